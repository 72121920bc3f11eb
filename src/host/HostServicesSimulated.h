#pragma once

#include "host/HostServices.h"

#include <vector>

namespace talix::host {

// Host services that change nothing on the machine: every request is printed on stderr and
// recorded. The power status is whatever `status` holds (no battery at first).
class SimulatedHostServices : public HostServices {
public:
    struct Request {
        enum Kind { OpenDisplay, Brightness, ShutdownPrivilege, PowerOff };
        Kind kind;
        BrightnessRequest brightness; // Brightness only

        bool operator==(const Request&) const = default;
    };

    PowerStatus powerStatus() override { return status; }
    void openDisplay() override;
    void setDisplayBrightness(const BrightnessRequest& request) override;
    bool obtainShutdownPrivilege() override;
    void powerOff() override;

    const std::vector<Request>& requests() const { return m_requests; }
    size_t count(Request::Kind kind) const;

    PowerStatus status;
    bool grantShutdownPrivilege = true;

private:
    std::vector<Request> m_requests;
    bool m_displayOpen = false;
};

} // namespace talix::host
