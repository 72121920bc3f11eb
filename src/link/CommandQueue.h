#pragma once

#include "base/ManualResetEvent.h"
#include "link/CommandPort.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

namespace talix::link {

// The commands and acknowledgements waiting for the sender thread, oldest first. CommandLock
// guards the lists only and is never held during a write, so queueing from the user interface
// never waits on the network.
class TCommandQueue : public CommandPort {
public:
    // Called on the handler's thread when a Notify record is refused.
    void setFullNotifier(std::function<void()> notifier) { m_fullNotifier = std::move(notifier); }

    QueueResult QueueCommand(Command bytes, LimitRule rule) override;
    // Queued regardless of the limit; the sender writes it ahead of the commands waiting.
    void QueueAcknowledgement(Command bytes);

    // Commands waiting (acknowledgements not counted); read without the lock, as the limit
    // check does.
    size_t waiting() const override { return m_waiting.load(); }
    void clear(); // commands and acknowledgements; takes the lock

    std::mutex CommandLock;
    ManualResetEvent CommandReady;

    // The following require CommandLock to be held; they see the commands only.
    bool emptyLocked() const { return m_list.empty(); }
    const Command& frontLocked() const { return m_list.front(); }
    void popFrontLocked();
    void clearLocked();

    // The sender's side. takeNext copies the record to write next (the oldest acknowledgement,
    // else the oldest command) and leaves it queued; with nothing waiting it resets CommandReady,
    // under the lock so that no QueueCommand's signal is lost, and returns false. removeWritten
    // drops that record once it is on the wire, unless a clear came in between.
    struct Pending {
        Command bytes;
        bool acknowledgement = false;
        uint64_t generation = 0;
    };
    bool takeNext(Pending& next);
    void removeWritten(const Pending& written);

private:
    std::deque<Command> m_list; // CommandList
    std::deque<Command> m_acknowledgements;
    uint64_t m_generation = 0; // counts clears
    std::atomic<size_t> m_waiting{0};
    std::function<void()> m_fullNotifier;
};

} // namespace talix::link
