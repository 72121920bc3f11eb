#include "base/StoppableThread.h"

namespace talix {

StoppableThread::StoppableThread(ThreadPriority priority, std::function<void()> wake,
                                 std::function<void()> body)
    : m_wake(std::move(wake)), m_thread([this, priority, body = std::move(body)] {
          setCurrentThreadPriority(priority);
          m_tid = currentThreadId();
          body();
      }) {}

StoppableThread::~StoppableThread() {
    requestStop();
    join();
}

void StoppableThread::requestStop() {
    m_stop = true;
    m_wake();
}

void StoppableThread::join() {
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace talix
