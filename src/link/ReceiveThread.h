#pragma once

#include "base/ManualResetEvent.h"
#include "base/StoppableThread.h"
#include "link/FrameReader.h"
#include "link/InputBuffer.h"
#include "link/LinkPort.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>

namespace talix::link {

// What the receive thread needs from the user interface. frameReady posts (never waits);
// updateReply and linkLost run on the UI thread while the receiver waits, and must give up once
// the program is closing.
class ReceiveHost : public FrameReaderHost {
public:
    virtual void linkLost() = 0; // "0%" in LWiFi, PBWiFi at 0
};

struct ReceiveTimings {
    int pollMs = 111;           // also the least time between two connection attempts
    int streamingIdleLimit = 5; // lost when the idle count exceeds this while frames flow
    int idleLimit = 80;         // lost when the idle count exceeds this in any case
};

// ReceiveThread: connects, greets with 0x12, cuts the stream into frames in `ring`, notices a
// silent or broken link and reconnects, one poll interval after the last attempt at the soonest.
// A lost link is shown once; it is shown again only when a link that delivered frames since is
// lost. The ring belongs to the owner of the thread, which outlives it.
class ReceiveThread { // TWLAN
public:
    ReceiveThread(LinkPort& port, FrameRing& ring, LinkSettings settings, ReceiveHost& host,
                  const std::atomic<bool>& closing, ReceiveTimings timings = {});

    void requestStop() { m_thread.requestStop(); }
    void join() { m_thread.join(); }

    bool streaming() const { return m_streamingSeen.load(); }
    // The thread's kernel id once it has started (0 before).
    long nativeTid() const { return m_thread.nativeTid(); }

private:
    void run();
    void pass();
    void connectPass();
    void idleStep();
    void loseLink();
    void showLoss();
    void waitForNextAttempt();

    LinkPort& m_port;
    const LinkSettings m_settings;
    ReceiveHost& m_host;
    const std::atomic<bool>& m_closing;
    const ReceiveTimings m_timings;
    InputBuffer m_input;
    FrameReader m_reader;
    int m_idleCount = 0;
    std::chrono::steady_clock::time_point m_nextAttempt{};
    std::optional<uint64_t> m_lossShownAtFrame; // the reader's frame count when last shown
    ManualResetEvent m_stopRequested;
    std::atomic<bool> m_streamingSeen{false};
    StoppableThread m_thread;
};

} // namespace talix::link
