#include "session/RotatorLink.h"

#include <algorithm>
#include <array>

namespace talix::session {

RotatorLink::RotatorLink(Endpoint target, link::HostResolver resolver)
    : m_target(std::move(target), std::move(resolver)) {}

void RotatorLink::report(const sync::RotatorReport& r) {
    if (r.kind == sync::RotatorReport::Present) {
        RotatorOn = r.position != 0;
        if (r.position != 0)
            DialPosition = std::min(r.position, board::kRotatorPositions);
    }
    if (!r.address.isEmpty())
        m_target.setHost(r.address.toStdString());
    if (m_display)
        m_display->rotatorReported(r);
}

void RotatorLink::paintCircles(bool selected) {
    if (m_display)
        m_display->paintCircles(selected);
}

void RotatorLink::greet() {
    datagram(board::RotatorCode::Greeting, 0);
}

void RotatorLink::turnTo(int position) {
    DialPosition = std::clamp(position, 0, board::kRotatorPositions);
    datagram(board::RotatorCode::Position,
             uint8_t(std::clamp(position, 1, board::kRotatorPositions)));
}

void RotatorLink::switchOff() {
    datagram(board::RotatorCode::Position, 0);
}

void RotatorLink::send(uint8_t value) {
    datagram(board::RotatorCode::Position, value);
}

void RotatorLink::datagram(board::RotatorCode code, uint8_t value) {
    const std::array<uint8_t, 3> bytes{board::kRotatorDatagramKind, uint8_t(code), value};
    m_target.send(bytes); // UDP reports nothing back; whether the rotator is there, the board says
}

} // namespace talix::session
