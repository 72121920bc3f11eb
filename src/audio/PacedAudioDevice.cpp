#include "audio/PacedAudioDevice.h"

#include "audio/AudioFormat.h"

#include <algorithm>
#include <vector>

namespace talix::audio {

namespace {
using Clock = BlockPacer::Clock;
} // namespace

PacedAudioDevice::PacedAudioDevice() : m_pacer(kBlockDuration) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { playDue(); });
}

PacedAudioDevice::~PacedAudioDevice() = default;

OpenResult PacedAudioDevice::open(AudioDeviceListener& listener) {
    m_listener = &listener;
    listener.deviceOpened();
    return OpenResult::Ok;
}

void PacedAudioDevice::write(WaveHeader& header) {
    if (!m_listener)
        return;
    markQueued(header);
    m_pacer.add(header, Clock::now());
    schedule();
}

void PacedAudioDevice::setVolume(std::uint16_t level) {
    m_volume = level;
}

void PacedAudioDevice::pause() {
    m_pacer.pause(Clock::now());
    m_timer.stop();
}

void PacedAudioDevice::restart() {
    m_pacer.restart(Clock::now());
    schedule();
}

void PacedAudioDevice::reset() {
    m_timer.stop();
    returnAll();
}

void PacedAudioDevice::close() {
    if (!m_listener)
        return;
    m_timer.stop();
    returnAll();
    closing();
    AudioDeviceListener* listener = m_listener;
    m_listener = nullptr;
    listener->deviceClosed();
}

void PacedAudioDevice::played(std::span<const std::uint8_t>) {}

void PacedAudioDevice::closing() {}

void PacedAudioDevice::playDue() {
    // The listener may write the next block from inside blockDone(); the pacer takes it in turn.
    while (m_listener) {
        WaveHeader* header = m_pacer.takeDue(Clock::now());
        if (!header)
            break;
        played({header->data, header->bufferLength});
        markPlayed(*header);
        m_listener->blockDone();
    }
    schedule();
}

void PacedAudioDevice::schedule() {
    const auto due = m_pacer.nextDue();
    if (!due || !m_listener) {
        m_timer.stop();
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - Clock::now());
    const int ms = static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, wait.count()));
    if (!m_timer.isActive() || m_timer.remainingTime() > ms)
        m_timer.start(ms);
}

void PacedAudioDevice::returnAll() {
    // Only the blocks held now: a listener may write new ones from blockDone().
    std::vector<WaveHeader*> returned;
    while (WaveHeader* header = m_pacer.takeAny())
        returned.push_back(header);
    for (WaveHeader* header : returned) {
        markPlayed(*header);
        if (m_listener)
            m_listener->blockDone();
    }
}

} // namespace talix::audio
