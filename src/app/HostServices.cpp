#include "app/HostServices.h"

#include "app/HostServicesSimulated.h"
#include "app/HostServicesSystem.h"

#include <cstdio>
#include <cstdlib>

namespace talix::app {

std::unique_ptr<HostServices> makeHostServices(const QString& kind) {
    if (kind == "system") {
        if (std::getenv("TALIX_LOOPBACK_ONLY") == nullptr)
            return std::make_unique<SystemHostServices>();
        std::fputs("talix: TALIX_LOOPBACK_ONLY is set: host services are simulated\n", stderr);
    }
    return std::make_unique<SimulatedHostServices>();
}

} // namespace talix::app
