#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace talix::audio {

// Pushes a file's written data to the medium on a thread of its own, so that a recording survives
// the host losing power up to its last request, while the thread that writes never waits for the
// disk. Requests made while a sync runs are folded into the next one.
class DiskSyncer {
public:
    DiskSyncer() = default;
    ~DiskSyncer();
    DiskSyncer(const DiskSyncer&) = delete;
    DiskSyncer& operator=(const DiskSyncer&) = delete;

    // Starts syncing `fd`, which must stay open until stop() returns.
    void start(int fd);
    void request();
    // A last sync, then the thread ends; returns when both are done.
    void stop();
    // Syncs completed so far (for tests).
    unsigned completed() const;

private:
    void run(int fd);

    std::thread m_thread;
    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_wanted = false;
    bool m_stopping = false;
    unsigned m_completed = 0;
};

} // namespace talix::audio
