#pragma once

#include "base/ManualResetEvent.h"
#include "link/CommandPort.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

namespace talix::link {

// The commands, acknowledgements and software-update records waiting for the sender thread, oldest
// first. Its lock (CommandLock) guards the lists only and is never held during a write, so queueing
// from the user interface never waits on the network.
class CommandQueue : public CommandPort { // TCommandQueue
public:
    // Called on the handler's thread when a Notify record is refused.
    void setFullNotifier(std::function<void()> notifier) { m_fullNotifier = std::move(notifier); }

    QueueResult QueueCommand(Command bytes, LimitRule rule) override;
    // Queued regardless of the limit; the sender writes it ahead of the commands waiting.
    void queueAcknowledgement(Command bytes);
    // A software update's record, for the given connection only: refused when the link is on
    // another one (a board that connected anew has lost the transfer). The sender writes these
    // ahead of everything else, in their order.
    bool queueUpdateRecord(Command bytes, uint64_t connection);

    // Commands waiting (acknowledgements not counted); read without the lock, as the limit
    // check does.
    size_t waiting() const override { return m_waiting.load(); }
    void clear(); // commands, acknowledgements and update records; takes the lock
    // The link is on a new connection: what waits belonged to the old one and is dropped.
    void startConnection(uint64_t connection);

    // The commands waiting, oldest first, taken off the queue (acknowledgements and update
    // records stay): what a test or a dropped session finds unsent.
    std::vector<Command> takeCommands();

    // Something was queued since the sender last found the lists empty (CommandReady). The sender
    // waits for it, at most `wait`; wake() ends that wait at once, quiet() lets it run its course.
    bool waitReady(std::chrono::milliseconds wait) { return m_ready.waitFor(wait); }
    bool ready() const { return m_ready.isSet(); }
    void wake() { m_ready.set(); }
    void quiet() { m_ready.reset(); }

    // The sender's side. takeNext copies the record to write next (the oldest update record, else
    // the oldest acknowledgement, else the oldest command) and leaves it queued; with nothing
    // waiting it resets CommandReady, under the lock so that no QueueCommand's signal is lost, and
    // returns false. removeWritten drops that record once it is on the wire, unless a clear came in
    // between.
    struct Pending {
        Command bytes;
        bool acknowledgement = false;
        bool update = false;
        uint64_t generation = 0;
    };
    bool takeNext(Pending& next);
    void removeWritten(const Pending& written);

private:
    void popFront();
    void clearAll();

    std::mutex m_lock;          // CommandLock
    ManualResetEvent m_ready;   // CommandReady
    std::deque<Command> m_list; // CommandList
    std::deque<Command> m_acknowledgements;
    std::deque<Command> m_updateRecords;
    uint64_t m_generation = 0; // counts clears
    uint64_t m_connection = 0; // the one update records are taken for
    std::atomic<size_t> m_waiting{0};
    std::function<void()> m_fullNotifier;
};

} // namespace talix::link
