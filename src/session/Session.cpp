#include "session/Session.h"

#include "audio/AudioDeviceFactory.h"
#include "audio/AudioFormat.h"
#include "base/MessageHook.h"
#include "base/ThreadPriority.h"
#include "link/CommandRecords.h"
#include "session/StartScript.h"

#include <cstdio>
#include <span>

namespace talix::session {

namespace {
// The board has not reported its loudspeaker volume yet, so output starts almost silent.
constexpr uint8_t kInitialSpeakerVolume = 0;
} // namespace

Session::Session(SessionSettings settings, const QLocale& locale)
    : m_settings(std::move(settings)), m_locale(locale), m_linkWindow(*this, m_frameRing, Closing),
      m_playback(m_playbackRing,
                 [name = audio::recorderDeviceName(m_settings.audio)] {
                     return audio::createAudioDevice(name);
                 }),
      m_rotator(m_settings.rotator) {
    m_queue.setFullNotifier([] { showMessage("No WiFi Connection!"); });
}

Session::~Session() {
    stop();
}

audio::OpenResult Session::start(SessionView& view) {
    const audio::OpenResult opened = open(view);
    if (opened == audio::OpenResult::Ok)
        startThreads();
    return opened;
}

audio::OpenResult Session::open(SessionView& view) {
    if (m_opened)
        return *m_opened;
    m_view = &view;
    Closing = false;
    m_dispatcher = std::make_unique<sync::FrameDispatcher>(view, *this, m_slots, m_state, m_locale);
    m_opened = m_playbackRing.open(audio::createAudioDevice(m_settings.audio), m_devicePoster,
                                   kInitialSpeakerVolume);
    if (*m_opened == audio::OpenResult::Ok)
        m_recording.scan(m_settings.drives.path('C', "WAV"));
    return *m_opened;
}

void Session::startThreads() {
    if (m_opened != audio::OpenResult::Ok || m_receiver || m_stopped)
        return;
    // Raised only now: the audio device's own threads, made while it opened, keep their level,
    // and the threads started here set theirs.
    raiseProcess();
    raiseCurrentThread(ThreadPriority::TimeCritical);
    m_sender =
        std::make_unique<link::SenderThread>(m_queue, m_port, Closing, m_settings.senderWait);
    link::LinkSettings link;
    link.board = m_settings.board;
    m_receiver = std::make_unique<link::ReceiveThread>(m_port, m_frameRing, link, m_linkWindow,
                                                       Closing, m_settings.receiveTimings);
    PaintEvent.reset();
    m_painter = std::make_unique<ReadoutPainterThread>(
        PaintEvent, &m_linkWindow,
        [this] {
            if (m_view)
                m_view->paintReadouts();
        },
        Closing, m_settings.painterWait);
}

void Session::stop() {
    if (!m_opened || m_stopped)
        return;
    m_stopped = true;
    Closing = true;
    m_recording.stop();
    if (m_sender) {
        m_queue.quiet();
        m_sender->requestStop();
        m_sender->join();
        m_sender.reset();
    }
    if (m_receiver) {
        m_receiver->requestStop();
        m_receiver->join(); // disconnects the link on its way out
        m_receiver.reset();
    }
    if (m_painter) {
        PaintEvent.set();
        m_painter->requestStop();
        m_painter->join();
        m_painter.reset();
    }
    std::fputs(statistics().toLocal8Bit().constData(), stderr);
    m_playbackRing.close();
    // The view may go before the session; what the closed threads left queued finds none.
    m_view = nullptr;
}

void Session::queuePlayback(const uint8_t* audio) {
    m_playbackRing.queueBlock(
        std::span<const uint8_t, audio::kBlockBytes>(audio, audio::kBlockBytes));
}

// The sender writes it ahead of the queued commands; the UI thread never waits for the link.
void Session::writeAck(uint32_t seq) {
    m_queue.queueAcknowledgement(link::commands::acknowledge(seq));
}

std::optional<QString> Session::startScriptFirstLine() {
    return session::startScriptFirstLine(m_settings.drives);
}

void Session::linkFrame(const uint8_t* payload, uint32_t lParam) {
    ++m_framesHandled;
    if (!m_dispatcher)
        return;
    m_dispatcher->handleFrame(payload, lParam);
    m_receiverPort.frameHandled(m_dispatcher->linkQuality().lastPercent());
}

void Session::linkLostDisplay() {
    m_receiverPort.linkLost();
    if (m_view)
        m_view->linkLostDisplay();
}

void Session::deviceMessage(audio::DeviceEvent::Kind kind) {
    const auto level = audio::deliverDeviceEvent(kind, m_playbackRing);
    if (level && m_view)
        m_view->setLinkBarValue(*level);
}

// Gaps a user heard can then be told apart from gaps in what the board sent, and frames the UI
// thread fell too far behind for are counted.
QString Session::statistics() const {
    QString text;
    const audio::PlaybackRing::Statistics& s = m_playbackRing.statistics();
    if (s.played != 0 || s.dropped != 0)
        text += QString("talix: audio: %1 blocks played, %2 underruns, %3 blocks dropped\n")
                    .arg(s.played)
                    .arg(s.underruns)
                    .arg(s.dropped);
    if (m_framesHandled != 0 || linkFramesDropped() != 0)
        text += QString("talix: link: %1 frames handled, %2 dropped unread\n")
                    .arg(m_framesHandled)
                    .arg(linkFramesDropped());
    return text;
}

} // namespace talix::session
