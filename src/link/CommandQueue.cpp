#include "link/CommandQueue.h"

#include <iterator>

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
    std::lock_guard lock(m_lock);
    m_list.push_back(std::move(bytes));
    m_waiting = m_list.size();
    m_ready.set();
    return QueueResult::Queued;
}

void CommandQueue::queueAcknowledgement(Command bytes) {
    std::lock_guard lock(m_lock);
    m_acknowledgements.push_back(std::move(bytes));
    m_ready.set();
}

bool CommandQueue::queueUpdateRecord(Command bytes, uint64_t connection) {
    std::lock_guard lock(m_lock);
    if (connection != m_connection)
        return false;
    m_updateRecords.push_back(std::move(bytes));
    m_ready.set();
    return true;
}

void CommandQueue::clear() {
    std::lock_guard lock(m_lock);
    clearAll();
}

void CommandQueue::startConnection(uint64_t connection) {
    std::lock_guard lock(m_lock);
    clearAll();
    m_connection = connection;
}

std::vector<Command> CommandQueue::takeCommands() {
    std::lock_guard lock(m_lock);
    std::vector<Command> out(std::make_move_iterator(m_list.begin()),
                             std::make_move_iterator(m_list.end()));
    m_list.clear();
    m_waiting = 0;
    return out;
}

void CommandQueue::popFront() {
    m_list.pop_front();
    m_waiting = m_list.size();
}

void CommandQueue::clearAll() {
    m_list.clear();
    m_acknowledgements.clear();
    m_updateRecords.clear();
    m_waiting = 0;
    ++m_generation;
}

bool CommandQueue::takeNext(Pending& next) {
    std::lock_guard lock(m_lock);
    const bool update = !m_updateRecords.empty();
    const bool ack = !update && !m_acknowledgements.empty();
    if (!update && !ack && m_list.empty()) {
        m_ready.reset();
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
    std::lock_guard lock(m_lock);
    if (written.generation != m_generation)
        return;
    if (written.update) {
        if (!m_updateRecords.empty())
            m_updateRecords.pop_front();
    } else if (written.acknowledgement) {
        if (!m_acknowledgements.empty())
            m_acknowledgements.pop_front();
    } else if (!m_list.empty()) {
        popFront();
    }
}

} // namespace talix::link
