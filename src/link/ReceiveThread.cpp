#include "link/ReceiveThread.h"

namespace talix::link {

ReceiveThread::ReceiveThread(LinkPort& port, FrameRing& ring, LinkSettings settings,
                             ReceiveHost& host, const std::atomic<bool>& closing,
                             ReceiveTimings timings)
    : m_port(port), m_settings(std::move(settings)), m_host(host), m_closing(closing),
      m_timings(timings), m_reader(ring),
      // A stop ends a pause between connection attempts at once.
      m_thread(ThreadPriority::Highest, [this] { m_stopRequested.set(); }, [this] { run(); }) {}

void ReceiveThread::run() {
    while (!m_thread.stopRequested())
        pass();
    m_port.drop();
}

void ReceiveThread::pass() {
    LinkClient* client = m_port.client();
    if (client == nullptr || !client->connected()) {
        connectPass();
        return;
    }
    const auto result = client->poll(m_input, m_timings.pollMs);
    if (result == LinkClient::PollResult::Closed || result == LinkClient::PollResult::Error) {
        // Before the first frame an error is ignored; the next pass finds the client
        // disconnected and connects again.
        if (m_reader.streaming())
            loseLink();
        else if (!client->connected())
            m_port.drop();
        return;
    }
    // A poll that brought nothing is idle even when the reader keeps a partial word or header
    // from earlier bytes: those alone must not keep a silent link alive.
    if (result != LinkClient::PollResult::Data || m_thread.stopRequested() || m_closing) {
        idleStep();
        return;
    }
    m_idleCount = 0;
    m_reader.run(m_input, m_host);
    m_streamingSeen = m_reader.streaming();
    if (!client->connected() && m_reader.streaming())
        loseLink(); // the peer closed right after its last bytes
}

void ReceiveThread::connectPass() {
    m_reader.reset();
    m_idleCount = 0;
    waitForNextAttempt();
    if (m_thread.stopRequested())
        return;
    m_nextAttempt = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_timings.pollMs);
    if (m_closing)
        return; // the program is ending: a new connection would only be dropped again
    auto client = std::make_unique<LinkClient>(m_settings);
    if (!client->connect(&m_thread.stopFlag())) {
        m_port.drop();
        showLoss();
        return;
    }
    m_input.clear();
    m_port.installConnected(std::move(client), !m_closing);
}

// A refused connection fails at once, and a peer that accepts and closes at once ends a successful
// one as fast: without a pause between attempts the thread would connect thousands of times a
// second. One poll interval between the starts of two attempts keeps the retry cadence of a
// silent link.
void ReceiveThread::waitForNextAttempt() {
    using namespace std::chrono;
    while (!m_thread.stopRequested()) {
        const auto left = ceil<milliseconds>(m_nextAttempt - steady_clock::now());
        if (left <= milliseconds::zero())
            return;
        m_stopRequested.waitFor(left);
    }
}

void ReceiveThread::idleStep() {
    ++m_idleCount;
    const bool lost = (m_reader.streaming() && m_idleCount > m_timings.streamingIdleLimit) ||
                      m_idleCount > m_timings.idleLimit || m_closing;
    if (lost)
        loseLink();
}

void ReceiveThread::loseLink() {
    m_input.clear();
    m_port.drop();
    showLoss();
}

// The display waits for the user interface; it stays until frames flow again, so showing it for
// every failed attempt would only cost a round trip each time.
void ReceiveThread::showLoss() {
    if (m_lossShownAtFrame == m_reader.frames())
        return;
    m_lossShownAtFrame = m_reader.frames();
    m_host.linkLost();
}

} // namespace talix::link
