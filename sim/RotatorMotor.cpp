#include "sim/RotatorMotor.h"

#include <algorithm>

namespace talix::sim {

void RotatorMotor::command(uint8_t position) {
    m_on = position != 0;
    if (m_on)
        m_target = std::min<int>(position, kPositions);
}

bool RotatorMotor::step() {
    if (!turning())
        return false;
    // Steps still to go forwards, 1 to 231; beyond half of them the way back is shorter.
    const int ahead = ((m_target - m_position) % kPositions + kPositions) % kPositions;
    const int next = m_position + (ahead <= kPositions / 2 ? 1 : -1);
    m_position = next < 1 ? kPositions : next > kPositions ? 1 : next;
    return true;
}

} // namespace talix::sim
