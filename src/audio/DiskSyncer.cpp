#include "audio/DiskSyncer.h"

#include <unistd.h>

namespace talix::audio {

DiskSyncer::~DiskSyncer() {
    stop();
}

void DiskSyncer::start(int fd) {
    stop();
    std::lock_guard lock(m_lock);
    m_wanted = false;
    m_stopping = false;
    m_thread = std::thread([this, fd] { run(fd); });
}

void DiskSyncer::request() {
    {
        std::lock_guard lock(m_lock);
        m_wanted = true;
    }
    m_wake.notify_one();
}

void DiskSyncer::stop() {
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_lock);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

unsigned DiskSyncer::completed() const {
    std::lock_guard lock(m_lock);
    return m_completed;
}

void DiskSyncer::run(int fd) {
    std::unique_lock lock(m_lock);
    for (;;) {
        m_wake.wait(lock, [this] { return m_wanted || m_stopping; });
        const bool last = m_stopping;
        m_wanted = false;
        lock.unlock();
        ::fdatasync(fd);
        lock.lock();
        ++m_completed;
        if (last)
            return;
    }
}

} // namespace talix::audio
