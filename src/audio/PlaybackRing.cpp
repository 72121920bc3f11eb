#include "audio/PlaybackRing.h"

#include "audio/PlaybackVolume.h"

#include <cstring>

namespace talix::audio {

PlaybackRing::PlaybackRing() = default;
PlaybackRing::~PlaybackRing() = default;

OpenResult PlaybackRing::open(std::unique_ptr<AudioDevice> device, AudioDeviceListener& listener,
                              std::uint8_t speakerVolume) {
    m_playbackOpen = false;
    if (!device)
        return OpenResult::BadDeviceId;
    const OpenResult result = device->open(listener);
    if (result != OpenResult::Ok)
        return result;
    m_device = std::move(device);
    setVolume(speakerVolume);
    return OpenResult::Ok;
}

void PlaybackRing::setVolume(std::uint8_t speakerVolume) {
    m_speakerVolume = speakerVolume;
    if (m_device)
        m_device->setVolume(playbackVolumeLevel(speakerVolume));
}

void PlaybackRing::pause() {
    if (m_device)
        m_device->pause();
}

void PlaybackRing::restart() {
    if (m_device)
        m_device->restart();
}

void PlaybackRing::close() {
    if (!m_device)
        return;
    m_device->reset();
    m_device->close();
    m_device.reset();
}

void PlaybackRing::deviceOpened() {
    // A device holds headers only between write() and close(), and it is opened once; keeping
    // memory that already exists means a repeated notification can never free a held block.
    if (!m_slots)
        m_slots = std::make_unique<Slots>();
    for (Slot& slot : *m_slots) {
        slot.header = WaveHeader{};
        slot.header.data = slot.data.data();
        slot.header.bufferLength = kBlockBytes;
        slot.header.flags = kHeaderDone;
        slot.header.loops = 0;
    }
    m_queuedBlocks = 0;
    m_fillIndex = 0;
    m_playIndex = 0;
    m_started = false;
    m_playbackOpen = true;
}

std::optional<int> PlaybackRing::blockDone() {
    m_queuedBlocks -= 1;
    m_statistics.played += 1;
    if (m_queuedBlocks < kLowWater) {
        if (m_started)
            m_statistics.underruns += 1;
        m_started = false;
    }
    if (m_playIndex != 0 && m_queuedBlocks >= 10)
        return std::nullopt;
    return m_queuedBlocks * 100 / kSlots;
}

void PlaybackRing::deviceClosed() {
    // The device has returned every header before it reports closing.
    m_slots.reset();
    m_playbackOpen = false;
    m_queuedBlocks = 0;
}

void PlaybackRing::queueBlock(std::span<const std::uint8_t, kBlockBytes> block) {
    if (!m_playbackOpen || !m_slots || !m_device)
        return;
    Slots& slots = *m_slots;

    Slot& fill = slots[m_fillIndex];
    if (fill.header.flags & kHeaderDone) {
        std::memcpy(fill.data.data(), block.data(), kBlockBytes);
        fill.header.flags = kHeaderPrepared;
        m_fillIndex = next(m_fillIndex);
    } else {
        m_statistics.dropped += 1;
    }

    if (m_started) {
        if (m_fillIndex != m_playIndex && (slots[m_fillIndex].header.flags & kHeaderPrepared))
            handOver();
        return;
    }
    if (m_fillIndex != m_playIndex)
        return;
    m_started = true;
    // The device marks every slot it takes as queued, so this stops after one turn at the latest;
    // the bound keeps it finite whatever a device does.
    for (int n = 0; n < kSlots; ++n) {
        const std::uint32_t flags = slots[m_playIndex].header.flags;
        if (!(flags & kHeaderPrepared) || (flags & kHeaderInQueue))
            break;
        handOver();
    }
}

void PlaybackRing::handOver() {
    m_device->write((*m_slots)[m_playIndex].header);
    m_playIndex = next(m_playIndex);
    m_queuedBlocks += 1;
}

std::uint32_t PlaybackRing::slotFlags(int slot) const {
    if (!m_slots || slot < 0 || slot >= kSlots)
        return 0;
    return (*m_slots)[slot].header.flags;
}

const std::uint8_t* PlaybackRing::slotData(int slot) const {
    if (!m_slots || slot < 0 || slot >= kSlots)
        return nullptr;
    return (*m_slots)[slot].data.data();
}

} // namespace talix::audio
