#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

namespace talix::testing {

// A disk sync as slow flash does it: each call blocks until the test releases them all. Counts the
// syncs begun and finished; called on the syncing threads, which it must outlive.
class HeldSync {
public:
    std::function<void(int fd)> call() {
        return [this](int) { sync(); };
    }
    void release();
    unsigned begun() const;
    unsigned finished() const;

private:
    void sync();

    mutable std::mutex m_lock;
    std::condition_variable m_released;
    bool m_open = false;
    unsigned m_begun = 0;
    unsigned m_finished = 0;
};

} // namespace talix::testing
