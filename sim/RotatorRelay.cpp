#include "sim/RotatorRelay.h"

#include "sim/ParamWords.h"

namespace talix::sim {

using board::MainItem;

RotatorRelay::RotatorRelay(Endpoint rotator, bool found, BoardSettings& settings,
                           ReportQueue& reports)
    : m_rotator(std::move(rotator)), m_found(found), m_settings(settings), m_reports(reports),
      m_motor(settings.rotatorPosition) {}

void RotatorRelay::datagram(const uint8_t* d, size_t size) {
    if (size != 3 || d[0] != board::kRotatorDatagramKind)
        return;
    if (d[1] == board::number(board::RotatorCode::Greeting)) {
        m_reports.item(MainItem::RotatorPresent);
        m_reports.item(MainItem::RotatorVersion);
    } else if (d[1] == board::number(board::RotatorCode::Position)) {
        m_motor.command(d[2]); // 0 switches it off
        m_settings.rotatorOn = m_motor.on();
        m_reports.item(MainItem::RotatorPresent);
    }
}

void RotatorRelay::tick() {
    if (!m_motor.step())
        return;
    m_settings.rotatorPosition = uint8_t(m_motor.position());
    m_reports.item(MainItem::RotatorPresent);
}

bool RotatorRelay::turnByKnob(int units) {
    if (!m_settings.rotatorSelected || !m_found)
        return false;
    int p = m_motor.target() + units;
    while (p < 1)
        p += board::kRotatorPositions;
    while (p > board::kRotatorPositions)
        p -= board::kRotatorPositions;
    m_motor.command(uint8_t(p));
    m_settings.rotatorOn = true;
    m_reports.words({rotatorRelayWord(), uint32_t(p)});
    m_reports.item(MainItem::RotatorPresent);
    return true;
}

std::vector<uint32_t> RotatorRelay::encode(MainItem item, uint32_t w) const {
    if (item == MainItem::RotatorNotFound)
        return m_found ? std::vector<uint32_t>{} : std::vector<uint32_t>{w, 0};
    if (!m_found)
        return {};
    if (item == MainItem::RotatorVersion)
        return {w, 0x0B, addressWord(m_rotator.host)};
    if (item != MainItem::RotatorPresent)
        return {};
    const uint32_t position = m_settings.rotatorOn ? m_settings.rotatorPosition : 0;
    return {w, m_motor.currentMa() | position << 8, addressWord(m_rotator.host)};
}

} // namespace talix::sim
