#pragma once

#include "base/Endpoint.h"
#include "sync/ItemEffect.h"

#include <cstdint>

namespace talix::session {

// The rotator as the board reports it, and where its datagrams would go. The datagram socket is
// not built yet: send() sends nothing, so the board's relay word reaches no rotator.
class RotatorLink {
public:
    explicit RotatorLink(Endpoint target) : m_target(std::move(target)) {}

    // Items 55 to 57: the rotator is on while its reported position is not 0; a report with an
    // address moves the target to that host on the same port.
    void report(const sync::RotatorReport& report);
    bool RotatorOn = false;
    int DialPosition = 0;
    const Endpoint& target() const { return m_target; }

    void send(uint8_t value) { (void)value; }

private:
    Endpoint m_target;
};

} // namespace talix::session
