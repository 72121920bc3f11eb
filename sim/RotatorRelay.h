#pragma once

#include "base/BoardWords.h"
#include "base/Endpoint.h"
#include "sim/BoardSettings.h"
#include "sim/ItemSource.h"
#include "sim/ReportQueue.h"
#include "sim/RotatorMotor.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace talix::sim {

// The antenna rotator as the board relays it: its motor, the position datagrams and greeting
// from the program, the knob turning it while its dial is selected, and its reports (present with
// position and current, version, or not found).
class RotatorRelay final : public ItemSource {
public:
    RotatorRelay(Endpoint rotator, bool found, BoardSettings& settings, ReportQueue& reports);

    // A datagram from the program: a position (0: off), or the greeting, answered with the
    // rotator's state and version. Anything else is ignored.
    void datagram(const uint8_t* data, size_t size);
    // Once per frame: every step the antenna takes is reported.
    void tick();
    // Knob units while the dial is selected; false when the knob is not the rotator's.
    bool turnByKnob(int units);

    // RotatorPresent, RotatorVersion and RotatorNotFound after their ValueWord w.
    std::vector<uint32_t> encode(board::MainItem item, uint32_t w) const override;

private:
    Endpoint m_rotator;
    bool m_found;
    BoardSettings& m_settings;
    ReportQueue& m_reports;
    RotatorMotor m_motor;
};

} // namespace talix::sim
