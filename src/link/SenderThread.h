#pragma once

#include "base/StoppableThread.h"
#include "link/CommandQueue.h"
#include "link/LinkPort.h"

#include <atomic>
#include <chrono>
#include <cstdint>

namespace talix::link {

// The longest a sender waits for CommandReady before it passes anyway.
constexpr std::chrono::milliseconds kSenderWait{666};

// SenderThread: writes queued records to the link, each once: a software update's records first,
// then acknowledgements, then commands, each kind oldest first.
// - A pass waits for CommandReady (at most `wait`), then writes record after record, each under
//   the port's write lock only; the queue stays open to the user interface meanwhile.
// - Nothing waiting: CommandReady is reset and the thread waits again.
// - Not connected: the records stay queued (the next connect discards them).
// - A failed write ends the pass and gives the connection up; that record stays first until the
//   next connect discards it with the rest.
// - Stop: no new pass starts once stop is asked for or `closing` is set; a drain under way ends.
class SenderThread { // TSThread
public:
    SenderThread(CommandQueue& queue, LinkPort& port, const std::atomic<bool>& closing,
                 std::chrono::milliseconds wait = kSenderWait);

    void requestStop() { m_thread.requestStop(); }
    void join() { m_thread.join(); }

    // The thread's kernel id once it has started (0 before).
    long nativeTid() const { return m_thread.nativeTid(); }
    // Passes begun so far: a sender with nothing to do waits instead of passing again.
    uint64_t passes() const { return m_passes.load(); }

private:
    void run();

    CommandQueue& m_queue;
    LinkPort& m_port;
    const std::atomic<bool>& m_closing;
    const std::chrono::milliseconds m_wait;
    std::atomic<uint64_t> m_passes{0};
    StoppableThread m_thread;
};

} // namespace talix::link
