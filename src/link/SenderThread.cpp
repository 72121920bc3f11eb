#include "link/SenderThread.h"

namespace talix::link {

TSThread::TSThread(TCommandQueue& queue, LinkPort& port, const std::atomic<bool>& closing,
                   std::chrono::milliseconds wait)
    : m_queue(queue), m_port(port), m_closing(closing), m_wait(wait), m_thread([this] { run(); }) {}

TSThread::~TSThread() {
    requestStop();
    join();
}

void TSThread::requestStop() {
    m_stop = true;
    m_queue.CommandReady.set(); // wake it now rather than at the end of its wait
}

void TSThread::join() {
    if (m_thread.joinable())
        m_thread.join();
}

void TSThread::run() {
    while (!m_stop && !m_closing) {
        m_queue.CommandReady.waitFor(m_wait);
        if (m_stop || m_closing)
            break;
        if (m_queue.waiting() == 0)
            continue;
        std::lock_guard lock(m_queue.CommandLock);
        m_queue.CommandReady.reset();
        if (!m_port.connectedLocked())
            continue;
        while (!m_queue.emptyLocked()) {
            if (!m_port.writeLocked(m_queue.frontLocked()))
                break;
            m_queue.popFrontLocked();
        }
    }
}

} // namespace talix::link
