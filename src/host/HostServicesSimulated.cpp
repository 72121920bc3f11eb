#include "host/HostServicesSimulated.h"

#include <algorithm>
#include <cstdio>

namespace talix::host {

namespace {
void tell(const char* what) {
    std::fprintf(stderr, "talix: simulated host: %s\n", what);
}
} // namespace

void SimulatedHostServices::openDisplay() {
    m_requests.push_back({Request::OpenDisplay, {}});
    m_displayOpen = true;
    tell("open the display device");
}

void SimulatedHostServices::setDisplayBrightness(const BrightnessRequest& request) {
    // As on the host: without an open display device the request goes nowhere.
    if (!m_displayOpen)
        return;
    m_requests.push_back({Request::Brightness, request});
    std::fprintf(
        stderr, "talix: simulated host: display brightness policy %u, mains %u%%, battery %u%%\n",
        unsigned(request.policy), unsigned(request.mainsLevel), unsigned(request.batteryLevel));
}

bool SimulatedHostServices::obtainShutdownPrivilege() {
    m_requests.push_back({Request::ShutdownPrivilege, {}});
    tell(grantShutdownPrivilege ? "shutdown privilege granted" : "shutdown privilege refused");
    return grantShutdownPrivilege;
}

void SimulatedHostServices::powerOff() {
    m_requests.push_back({Request::PowerOff, {}});
    tell("power off (the machine stays on)");
}

size_t SimulatedHostServices::count(Request::Kind kind) const {
    return size_t(std::count_if(m_requests.begin(), m_requests.end(),
                                [kind](const Request& r) { return r.kind == kind; }));
}

} // namespace talix::host
