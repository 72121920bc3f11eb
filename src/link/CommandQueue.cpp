#include "link/CommandQueue.h"

namespace talix::link {

QueueResult CommandQueue::QueueCommand(Command bytes, LimitRule rule) {
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

void CommandQueue::QueueAcknowledgement(Command bytes) {
    std::lock_guard lock(CommandLock);
    m_acknowledgements.push_back(std::move(bytes));
    CommandReady.set();
}

bool CommandQueue::QueueUpdateRecord(Command bytes, uint64_t connection) {
    std::lock_guard lock(CommandLock);
    if (connection != m_connection)
        return false;
    m_updateRecords.push_back(std::move(bytes));
    CommandReady.set();
    return true;
}

void CommandQueue::clear() {
    std::lock_guard lock(CommandLock);
    clearLocked();
}

void CommandQueue::startConnection(uint64_t connection) {
    std::lock_guard lock(CommandLock);
    clearLocked();
    m_connection = connection;
}

void CommandQueue::popFrontLocked() {
    m_list.pop_front();
    m_waiting = m_list.size();
}

void CommandQueue::clearLocked() {
    m_list.clear();
    m_acknowledgements.clear();
    m_updateRecords.clear();
    m_waiting = 0;
    ++m_generation;
}

bool CommandQueue::takeNext(Pending& next) {
    std::lock_guard lock(CommandLock);
    const bool update = !m_updateRecords.empty();
    const bool ack = !update && !m_acknowledgements.empty();
    if (!update && !ack && m_list.empty()) {
        CommandReady.reset();
        return false;
    }
    const Command& front = update ? m_updateRecords.front()
                           : ack  ? m_acknowledgements.front()
                                  : m_list.front();
    next.bytes.assign(front.begin(), front.end());
    next.acknowledgement = ack;
    next.update = update;
    next.generation = m_generation;
    return true;
}

void CommandQueue::removeWritten(const Pending& written) {
    std::lock_guard lock(CommandLock);
    if (written.generation != m_generation)
        return;
    if (written.update) {
        if (!m_updateRecords.empty())
            m_updateRecords.pop_front();
    } else if (written.acknowledgement) {
        if (!m_acknowledgements.empty())
            m_acknowledgements.pop_front();
    } else if (!m_list.empty()) {
        popFrontLocked();
    }
}

} // namespace talix::link
