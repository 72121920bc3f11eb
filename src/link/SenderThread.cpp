#include "link/SenderThread.h"

namespace talix::link {

SenderThread::SenderThread(CommandQueue& queue, LinkPort& port, const std::atomic<bool>& closing,
                           std::chrono::milliseconds wait)
    : m_queue(queue), m_port(port), m_closing(closing), m_wait(wait),
      // Normal, set: the thread that creates the sender may run raised. A stop wakes it now
      // rather than at the end of its wait.
      m_thread(ThreadPriority::Normal, [this] { m_queue.wake(); }, [this] { run(); }) {}

void SenderThread::run() {
    const auto stopping = [this] { return m_thread.stopRequested() || m_closing.load(); };
    while (!stopping()) {
        m_queue.waitReady(m_wait);
        ++m_passes;
        if (stopping())
            break;
        bool more = true;
        while (more) {
            switch (m_port.writeNext()) {
            case LinkPort::WriteResult::Written:
                break;
            case LinkPort::WriteResult::NothingWaiting:
                more = false; // CommandReady was reset with the lists found empty
                break;
            case LinkPort::WriteResult::NotConnected:
            case LinkPort::WriteResult::Failed:
                // Tried again at the end of the next wait, or sooner when something is queued.
                m_queue.quiet();
                more = false;
                break;
            }
        }
    }
}

} // namespace talix::link
