#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace talix::audio {

// Pushes one file's written data to the medium on a thread of its own, so that a recording
// survives the host losing power up to its last request, while the thread that writes never waits
// for the disk: not for a sync, and not for the last one and the close when the file is finished.
// Requests made while a sync runs are folded into the next one.
class DiskSyncer {
public:
    // How the data reaches the medium (fdatasync unless given); called on the syncer's thread.
    using SyncCall = std::function<void(int fd)>;

    // Takes `fd` over: it is synced on request and closed after the last sync.
    DiskSyncer(int fd, SyncCall sync);
    // Finishes the file if that was not asked for, and waits for its last sync and close.
    ~DiskSyncer();
    DiskSyncer(const DiskSyncer&) = delete;
    DiskSyncer& operator=(const DiskSyncer&) = delete;

    void request();
    // A last sync, then the file is closed and the thread ends; returns at once.
    void finish();
    // The last sync and the close are done.
    bool closed() const;
    // Syncs completed so far.
    unsigned completed() const;

private:
    void run();

    const int m_fd;
    const SyncCall m_sync;
    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_wanted = false;
    bool m_finishing = false;
    bool m_closed = false;
    unsigned m_completed = 0;
    std::thread m_thread; // last: started once everything it reads is set
};

} // namespace talix::audio
