#pragma once

#include "base/ManualResetEvent.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

namespace talix::link {

using Command = std::vector<uint8_t>;

// What a sender does when the queue is full.
enum class LimitRule {
    Notify, // 10 or more waiting: tell the user "No WiFi Connection!" and queue nothing
    Drop,   // more than 9 waiting: queue nothing, silently (streams of changes)
    None,   // queue regardless (records a form sends by itself)
};

enum class QueueResult { Queued, Refused };

constexpr size_t kQueueLimit = 10;

// The commands waiting for the sender thread, oldest first. CommandLock also serialises every
// write to the link (see LinkPort), so that commands and acknowledgements never interleave.
class TCommandQueue {
public:
    // Called on the handler's thread when a Notify record is refused.
    void setFullNotifier(std::function<void()> notifier) { m_fullNotifier = std::move(notifier); }

    QueueResult QueueCommand(Command bytes, LimitRule rule);

    // Read without the lock, as the limit check does.
    size_t waiting() const { return m_waiting.load(); }
    void clear(); // takes the lock

    std::mutex CommandLock;
    ManualResetEvent CommandReady;

    // The following require CommandLock to be held.
    bool emptyLocked() const { return m_list.empty(); }
    const Command& frontLocked() const { return m_list.front(); }
    void popFrontLocked();
    void clearLocked();

private:
    std::deque<Command> m_list; // CommandList
    std::atomic<size_t> m_waiting{0};
    std::function<void()> m_fullNotifier;
};

} // namespace talix::link
