#pragma once

#include "base/ManualResetEvent.h"
#include "base/StoppableThread.h"

#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>

namespace talix::session {

// The longest the painter waits for PaintEvent before it paints anyway.
constexpr std::chrono::milliseconds kPainterWait{700};

// The readout painter thread (TXLAN): waits on PaintEvent (at most `wait`), then runs one paint
// pass on the UI thread and waits for it. The blocking call is abandoned once stop is asked for or
// the program is closing, so a UI thread that waits for this thread to end never deadlocks.
class ReadoutPainterThread { // TXLAN
public:
    ReadoutPainterThread(ManualResetEvent& paintEvent, QObject* uiContext,
                         std::function<void()> paintPass, const std::atomic<bool>& closing,
                         std::chrono::milliseconds wait = kPainterWait);

    void requestStop() { m_thread.requestStop(); }
    void join() { m_thread.join(); }

private:
    void run();

    ManualResetEvent& m_paintEvent;
    QObject* m_ui;
    std::function<void()> m_paintPass;
    const std::atomic<bool>& m_closing;
    const std::chrono::milliseconds m_wait;
    StoppableThread m_thread;
};

} // namespace talix::session
