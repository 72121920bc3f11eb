#pragma once

#include "link/CommandQueue.h"
#include "link/LinkPort.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace talix::link {

// TSThread: writes queued commands to the link, oldest first, each once.
// - A pass waits for CommandReady (at most `wait`), then drains the queue under CommandLock.
// - Not connected: the records stay queued (the next connect discards them).
// - A failed write ends the pass; that record stays first and is written again next pass.
// - Stop: no new pass starts once stop is asked for or `closing` is set; a drain under way ends.
class TSThread {
public:
    TSThread(TCommandQueue& queue, LinkPort& port, const std::atomic<bool>& closing,
             std::chrono::milliseconds wait = std::chrono::milliseconds(666));
    ~TSThread();

    void requestStop();
    void join();

private:
    void run();

    TCommandQueue& m_queue;
    LinkPort& m_port;
    const std::atomic<bool>& m_closing;
    const std::chrono::milliseconds m_wait;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace talix::link
