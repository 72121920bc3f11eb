#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace talix {

// A manual-reset event: stays signalled until reset, and wakes every waiter while signalled.
class ManualResetEvent {
public:
    void set() {
        {
            std::lock_guard lock(m_mutex);
            m_signalled = true;
        }
        m_cv.notify_all();
    }
    void reset() {
        std::lock_guard lock(m_mutex);
        m_signalled = false;
    }
    bool isSet() const {
        std::lock_guard lock(m_mutex);
        return m_signalled;
    }
    // Returns true when the event was signalled, false on time-out.
    bool waitFor(std::chrono::milliseconds timeout) {
        std::unique_lock lock(m_mutex);
        return m_cv.wait_for(lock, timeout, [this] { return m_signalled; });
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_signalled = false;
};

} // namespace talix
