#include "audio/DiskSyncer.h"

#include <unistd.h>

namespace talix::audio {

DiskSyncer::DiskSyncer(int fd, SyncCall sync)
    : m_fd(fd), m_sync(std::move(sync)), m_thread([this] { run(); }) {}

DiskSyncer::~DiskSyncer() {
    finish();
    m_thread.join();
}

void DiskSyncer::request() {
    {
        std::lock_guard lock(m_lock);
        m_wanted = true;
    }
    m_wake.notify_one();
}

void DiskSyncer::finish() {
    {
        std::lock_guard lock(m_lock);
        m_finishing = true;
    }
    m_wake.notify_one();
}

bool DiskSyncer::closed() const {
    std::lock_guard lock(m_lock);
    return m_closed;
}

unsigned DiskSyncer::completed() const {
    std::lock_guard lock(m_lock);
    return m_completed;
}

void DiskSyncer::run() {
    std::unique_lock lock(m_lock);
    for (;;) {
        m_wake.wait(lock, [this] { return m_wanted || m_finishing; });
        const bool last = m_finishing;
        m_wanted = false;
        lock.unlock();
        if (m_sync)
            m_sync(m_fd);
        else
            ::fdatasync(m_fd);
        if (last)
            ::close(m_fd);
        lock.lock();
        ++m_completed;
        if (last) {
            m_closed = true;
            return;
        }
    }
}

} // namespace talix::audio
