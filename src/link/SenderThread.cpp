#include "link/SenderThread.h"

#include "base/ThreadPriority.h"

namespace talix::link {

SenderThread::SenderThread(CommandQueue& queue, LinkPort& port, const std::atomic<bool>& closing,
                           std::chrono::milliseconds wait)
    : m_queue(queue), m_port(port), m_closing(closing), m_wait(wait), m_thread([this] { run(); }) {}

SenderThread::~SenderThread() {
    requestStop();
    join();
}

void SenderThread::requestStop() {
    m_stop = true;
    m_queue.wake(); // wake it now rather than at the end of its wait
}

void SenderThread::join() {
    if (m_thread.joinable())
        m_thread.join();
}

void SenderThread::run() {
    // Set, not inherited: the thread that creates the sender may run raised.
    setCurrentThreadPriority(ThreadPriority::Normal);
    m_tid = currentThreadId();
    while (!m_stop && !m_closing) {
        m_queue.waitReady(m_wait);
        ++m_passes;
        if (m_stop || m_closing)
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
