#include "session/ReadoutPainterThread.h"

#include "base/ThreadPriority.h"
#include "base/UiCall.h"

namespace talix::session {

ReadoutPainterThread::ReadoutPainterThread(ManualResetEvent& paintEvent, QObject* uiContext,
                                           std::function<void()> paintPass,
                                           const std::atomic<bool>& closing,
                                           std::chrono::milliseconds wait)
    : m_paintEvent(paintEvent), m_ui(uiContext), m_paintPass(std::move(paintPass)),
      m_closing(closing), m_wait(wait), m_thread([this] { run(); }) {}

ReadoutPainterThread::~ReadoutPainterThread() {
    requestStop();
    join();
}

void ReadoutPainterThread::requestStop() {
    m_stop = true;
    m_paintEvent.set();
}

void ReadoutPainterThread::join() {
    if (m_thread.joinable())
        m_thread.join();
}

void ReadoutPainterThread::run() {
    setCurrentThreadPriority(ThreadPriority::AboveNormal);
    const auto abandoned = [this] { return m_stop.load() || m_closing.load(); };
    while (!abandoned()) {
        const bool signalled = m_paintEvent.waitFor(m_wait);
        if (abandoned())
            break;
        if (!signalled)
            continue; // nothing marked: no pass
        m_paintEvent.reset();
        if (m_paintPass)
            runOnObjectAndWait(m_ui, m_paintPass, abandoned);
    }
}

} // namespace talix::session
