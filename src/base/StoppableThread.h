#pragma once

#include "base/ThreadPriority.h"

#include <atomic>
#include <functional>
#include <thread>

namespace talix {

// A thread that runs `body` from construction on, at `priority` (set, not inherited: a new thread
// starts at its creator's level), until the body returns. requestStop raises the flag the body
// polls, then calls `wake` so that a body waiting on its own event sees it at once. Destruction
// asks for the stop and joins. An owner keeps it as its last member, so the body starts only once
// everything it uses exists and ends before any of it goes.
class StoppableThread {
public:
    StoppableThread(ThreadPriority priority, std::function<void()> wake,
                    std::function<void()> body);
    ~StoppableThread();

    StoppableThread(const StoppableThread&) = delete;
    StoppableThread& operator=(const StoppableThread&) = delete;

    void requestStop();
    void join();

    bool stopRequested() const { return m_stop.load(); }
    const std::atomic<bool>& stopFlag() const { return m_stop; }
    // The thread's kernel id once it has started (0 before).
    long nativeTid() const { return m_tid.load(); }

private:
    const std::function<void()> m_wake;
    std::atomic<bool> m_stop{false};
    std::atomic<long> m_tid{0};
    std::thread m_thread;
};

} // namespace talix
