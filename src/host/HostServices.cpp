#include "host/HostServices.h"

#include "host/HostServicesSimulated.h"
#include "host/HostServicesSystem.h"

#include <cstdio>
#include <cstdlib>

namespace talix::host {

std::unique_ptr<HostServices> makeHostServices(const QString& kind) {
    if (kind == "system") {
        if (std::getenv("TALIX_LOOPBACK_ONLY") == nullptr)
            return std::make_unique<SystemHostServices>();
        std::fputs("talix: TALIX_LOOPBACK_ONLY is set: host services are simulated\n", stderr);
    }
    return std::make_unique<SimulatedHostServices>();
}

} // namespace talix::host
