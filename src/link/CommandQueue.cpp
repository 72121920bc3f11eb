#include "link/CommandQueue.h"

namespace talix::link {

QueueResult TCommandQueue::QueueCommand(Command bytes, LimitRule rule) {
    const size_t count = m_waiting.load();
    if (rule == LimitRule::Notify && count >= kQueueLimit) {
        if (m_fullNotifier)
            m_fullNotifier();
        return QueueResult::Refused;
    }
    if (rule == LimitRule::Drop && count > kQueueLimit - 1)
        return QueueResult::Refused;
    std::lock_guard lock(CommandLock);
    m_list.push_back(std::move(bytes));
    m_waiting = m_list.size();
    CommandReady.set();
    return QueueResult::Queued;
}

void TCommandQueue::clear() {
    std::lock_guard lock(CommandLock);
    clearLocked();
}

void TCommandQueue::popFrontLocked() {
    m_list.pop_front();
    m_waiting = m_list.size();
}

void TCommandQueue::clearLocked() {
    m_list.clear();
    m_waiting = 0;
}

} // namespace talix::link
