#include "sim/ControlRequests.h"

#include <utility>

namespace talix::sim {

void ControlRequests::pause(Clock::time_point until) {
    std::lock_guard lock(m_mutex);
    m_pending.pauseUntil = until;
}

void ControlRequests::drop() {
    std::lock_guard lock(m_mutex);
    m_pending.drop = true;
}

void ControlRequests::sendBlock(ParamBlock block) {
    std::lock_guard lock(m_mutex);
    m_pending.blocks.push_back(std::move(block));
}

ControlRequests::Taken ControlRequests::take() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_pending, Taken{});
}

} // namespace talix::sim
