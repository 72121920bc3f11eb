#include "audio/QtAudioDevice.h"

#include "audio/AudioFormat.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>

namespace talix::audio {

namespace {

QAudioFormat playbackFormat() {
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// Writes go in whole sample frames.
qint64 wholeFrames(qint64 bytes) {
    return bytes - bytes % kBytesPerFrame;
}

// A block counts as heard once the played position is within a few sample frames of its end: the
// position is rounded from microseconds and may stop just short of what was written.
constexpr std::int64_t kEndTolerance = 16 * kBytesPerFrame;
// While the stream cannot be opened, a new try at most this often.
constexpr std::chrono::seconds kRetryInterval{1};

} // namespace

QtAudioDevice::QtAudioDevice() {
    m_pumpTimer.setSingleShot(true);
    m_pumpTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_pumpTimer, &QTimer::timeout, [this] { pump(); });
}

QtAudioDevice::~QtAudioDevice() {
    m_pumpTimer.stop();
    m_listener = nullptr;
    stopStream();
}

OpenResult QtAudioDevice::open(AudioDeviceListener& listener) {
    if (QMediaDevices::audioOutputs().isEmpty())
        return OpenResult::NoDriver;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return OpenResult::BadDeviceId;
    if (!output.isFormatSupported(playbackFormat()))
        return OpenResult::BadFormat;
    m_sink = std::make_unique<QAudioSink>(output, playbackFormat());
    if (!startStream()) {
        const bool noServer = m_sink->error() == QAudio::FatalError;
        m_sink.reset();
        return noServer ? OpenResult::NoDriver : OpenResult::Failed;
    }
    m_listener = &listener;
    listener.deviceOpened();
    return OpenResult::Ok;
}

bool QtAudioDevice::startStream() {
    m_lastStartAttempt = Clock::now();
    m_sink->setBufferSize(kSinkBufferBytes);
    m_sink->setVolume(m_volume / 65535.0);
    m_io = m_sink->start();
    if (!m_io || m_sink->state() == QAudio::StoppedState) {
        m_io = nullptr;
        return false;
    }
    if (m_paused)
        m_sink->suspend();
    // A new stream plays every held block from its start.
    m_writeIndex = 0;
    m_writeOffset = 0;
    m_streamBytes = 0;
    m_lastPlayed = -1;
    m_lastProgress = Clock::now();
    return true;
}

void QtAudioDevice::stopStream() {
    if (m_sink)
        m_sink->stop();
    m_io = nullptr;
}

void QtAudioDevice::write(WaveHeader& header) {
    if (!m_listener)
        return;
    markQueued(header);
    m_held.push_back({&header, 0});
    // Played on the next pump, never from here: the caller may be in the middle of handing over.
    if (!m_pumpTimer.isActive() && !m_paused)
        m_pumpTimer.start(0);
}

void QtAudioDevice::setVolume(std::uint16_t level) {
    m_volume = level;
    if (m_sink)
        m_sink->setVolume(level / 65535.0);
}

void QtAudioDevice::pause() {
    m_paused = true;
    m_pumpTimer.stop();
    if (m_io)
        m_sink->suspend();
}

void QtAudioDevice::restart() {
    if (!m_paused)
        return;
    m_paused = false;
    if (m_io)
        m_sink->resume();
    m_lastProgress = Clock::now();
    if (!m_held.empty())
        m_pumpTimer.start(0);
}

void QtAudioDevice::reset() {
    m_pumpTimer.stop();
    returnAll();
    // What the sink still holds is dropped with the stream; the next block starts a fresh one.
    stopStream();
}

void QtAudioDevice::close() {
    if (!m_listener)
        return;
    m_pumpTimer.stop();
    returnAll();
    stopStream();
    m_sink.reset();
    AudioDeviceListener* listener = m_listener;
    m_listener = nullptr;
    listener->deviceClosed();
}

void QtAudioDevice::pump() {
    if (!m_listener || m_paused || !m_sink)
        return;
    if (m_io && m_sink->state() == QAudio::StoppedState) {
        stopStream(); // the sound server failed the stream
        m_streamFailed = true;
    }
    if (!m_io) {
        const bool waitBeforeRetry =
            m_streamFailed && Clock::now() - m_lastStartAttempt < kRetryInterval;
        if (waitBeforeRetry || !startStream()) {
            m_streamFailed = true;
            // Nothing can play: give the blocks back rather than keep the writer waiting.
            m_pumpTimer.stop();
            returnAll();
            return;
        }
        m_streamFailed = false;
    }
    writePending();
    completePlayed();
    scheduleNextPump();
}

void QtAudioDevice::scheduleNextPump() {
    if (m_held.empty() || !m_listener || m_paused) {
        m_pumpTimer.stop();
        return;
    }
    auto wait = kPumpInterval;
    // While the played position stands still there is nothing to time.
    const bool moving = Clock::now() - m_lastProgress < kPumpInterval;
    if (m_writeIndex > 0 && moving) {
        // Wake when the oldest block should have been heard, so that it is reported on time
        // rather than on the next tick.
        const std::int64_t left = m_held.front().end - kEndTolerance - playedBytes();
        const auto untilHeard = std::chrono::milliseconds(
            std::max<std::int64_t>(1, (left * 1000 + kBytesPerSecond - 1) / kBytesPerSecond));
        wait = std::min(wait, untilHeard);
    }
    m_pumpTimer.start(wait);
}

void QtAudioDevice::writePending() {
    qint64 room = wholeFrames(m_sink->bytesFree());
    while (room > 0 && m_writeIndex < m_held.size()) {
        const WaveHeader& header = *m_held[m_writeIndex].header;
        const qint64 left = wholeFrames(header.bufferLength - m_writeOffset);
        const qint64 n = std::min(room, left);
        const qint64 written =
            n > 0 ? m_io->write(reinterpret_cast<const char*>(header.data) + m_writeOffset, n) : 0;
        if (written < 0)
            return;
        m_writeOffset += static_cast<std::uint32_t>(written);
        m_streamBytes += written;
        room -= written;
        if (m_writeOffset >= wholeFrames(header.bufferLength)) {
            m_held[m_writeIndex].end = m_streamBytes;
            ++m_writeIndex;
            m_writeOffset = 0;
        } else if (written < n) {
            return; // the sink took less than it offered
        }
    }
}

void QtAudioDevice::completePlayed() {
    const std::int64_t played = playedBytes();
    if (played != m_lastPlayed) {
        m_lastPlayed = played;
        m_lastProgress = Clock::now();
    }
    // The listener may write the next block from blockDone(); it is appended behind.
    while (m_writeIndex > 0 && m_listener && m_held.front().end <= played + kEndTolerance) {
        WaveHeader* header = m_held.front().header;
        m_held.pop_front();
        --m_writeIndex;
        markPlayed(*header);
        m_listener->blockDone();
    }
}

void QtAudioDevice::returnAll() {
    // Only the blocks held now: a listener may write new ones from blockDone().
    std::deque<Held> returned;
    returned.swap(m_held);
    m_writeIndex = 0;
    m_writeOffset = 0;
    for (const Held& held : returned) {
        markPlayed(*held.header);
        if (m_listener)
            m_listener->blockDone();
    }
}

std::int64_t QtAudioDevice::playedBytes() const {
    if (!m_io)
        return 0;
    const std::int64_t usecs = m_sink->processedUSecs();
    return wholeFrames(usecs * kBytesPerSecond / 1'000'000);
}

} // namespace talix::audio
