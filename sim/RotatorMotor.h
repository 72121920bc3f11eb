#pragma once

#include <cstdint>

namespace talix::sim {

// The simulated rotator's motor. Asked for a position (1 to 232, half a turn, opposite directions
// being the same), it switches on and turns the antenna there one step per frame, the shorter way
// round; asked for 0, it switches off where it stands. It draws more current while it turns.
class RotatorMotor {
public:
    static constexpr int kPositions = 232;
    static constexpr uint8_t kTurningMa = 45;
    static constexpr uint8_t kHoldingMa = 12;

    explicit RotatorMotor(int position) : m_position(position), m_target(position) {}

    // A position datagram's value (above 232 counts as 232).
    void command(uint8_t position);
    // One frame: turns a step towards the target; true when the antenna moved.
    bool step();

    int position() const { return m_position; }
    int target() const { return m_target; }
    bool on() const { return m_on; }
    bool turning() const { return m_on && m_position != m_target; }
    // The motor current in mA: none while off.
    uint8_t currentMa() const { return !m_on ? 0 : turning() ? kTurningMa : kHoldingMa; }

private:
    int m_position;
    int m_target;
    bool m_on = false;
};

} // namespace talix::sim
