#include "session/ReadoutPainterThread.h"

#include "base/UiCall.h"

namespace talix::session {

ReadoutPainterThread::ReadoutPainterThread(ManualResetEvent& paintEvent, QObject* uiContext,
                                           std::function<void()> paintPass,
                                           const std::atomic<bool>& closing,
                                           std::chrono::milliseconds wait)
    : m_paintEvent(paintEvent), m_ui(uiContext), m_paintPass(std::move(paintPass)),
      m_closing(closing), m_wait(wait),
      m_thread(ThreadPriority::AboveNormal, [this] { m_paintEvent.set(); }, [this] { run(); }) {}

void ReadoutPainterThread::run() {
    const auto abandoned = [this] { return m_thread.stopRequested() || m_closing.load(); };
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
