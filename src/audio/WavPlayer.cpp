#include "audio/WavPlayer.h"

#include "base/LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace talix::audio {

std::int64_t timeOfBytes(std::int64_t bytes) {
    return bytes * WavPlayer::kTimeUnitsPerSecond / kBytesPerSecond;
}

std::int64_t bytesOfTime(std::int64_t time) {
    const std::int64_t bytes = time * kBytesPerSecond / WavPlayer::kTimeUnitsPerSecond;
    return bytes - bytes % kBytesPerFrame;
}

namespace {

// The offset of the data chunk of a PCM file in the recording format; 0 when it is not one.
std::int64_t dataChunkOffset(QFile& file) {
    std::uint8_t riff[12];
    if (file.read(reinterpret_cast<char*>(riff), 12) != 12 || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "WAVE", 4) != 0)
        return 0;
    bool formatOk = false;
    // Chunks up to the data chunk; a bounded number, so a damaged file ends the search.
    for (int chunk = 0; chunk < 64; ++chunk) {
        std::uint8_t head[8];
        if (file.read(reinterpret_cast<char*>(head), 8) != 8)
            return 0;
        const std::uint32_t size = readLe32(head + 4);
        if (std::memcmp(head, "data", 4) == 0)
            return formatOk ? file.pos() : 0;
        if (std::memcmp(head, "fmt ", 4) == 0) {
            std::uint8_t fmt[16];
            if (size < 16 || file.read(reinterpret_cast<char*>(fmt), 16) != 16)
                return 0;
            formatOk = readLe16(fmt) == kPcmFormatTag && readLe16(fmt + 2) == kChannels &&
                       readLe32(fmt + 4) == std::uint32_t(kSampleRate) &&
                       readLe16(fmt + 14) == kBitsPerSample;
            if (!file.seek(file.pos() + (size - 16) + (size & 1)))
                return 0;
        } else if (!file.seek(file.pos() + std::int64_t(size) + (size & 1))) {
            return 0;
        }
    }
    return 0;
}

} // namespace

WavPlayer::WavPlayer(DeviceFactory factory) : m_factory(std::move(factory)) {
    for (Slot& s : m_slots) {
        s.header.data = s.data.data();
        s.header.bufferLength = kBlockBytes;
        s.header.flags = kHeaderDone;
    }
}

WavPlayer::~WavPlayer() {
    release();
}

bool WavPlayer::open(const QString& path) {
    release();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    m_dataOffset = dataChunkOffset(m_file);
    if (m_dataOffset <= 0) {
        m_file.close();
        return false;
    }
    const std::int64_t bytes = std::max<std::int64_t>(m_file.size() - m_dataOffset, 0);
    m_dataBytes = bytes - bytes % kBytesPerFrame;
    m_readPos = m_playedPos = 0;
    return true;
}

void WavPlayer::setVolume(std::uint16_t level) {
    if (level == m_volume)
        return;
    m_volume = level;
    if (m_device)
        m_device->setVolume(level);
}

bool WavPlayer::play() {
    if (!hasMedia())
        return false;
    if (m_device)
        return true;
    m_device = m_factory ? m_factory() : nullptr;
    if (!m_device || m_device->open(*this) != OpenResult::Ok) {
        m_device.reset();
        return false;
    }
    m_device->setVolume(m_volume);
    m_ended = m_playedPos >= m_dataBytes;
    m_readPos = m_playedPos;
    fill();
    return true;
}

void WavPlayer::stop() {
    if (!m_device)
        return;
    drop();
    m_device->close();
    m_device.reset();
    m_ended = false;
}

void WavPlayer::release() {
    stop();
    if (m_file.isOpen())
        m_file.close();
    m_dataBytes = m_readPos = m_playedPos = 0;
}

std::int64_t WavPlayer::currentTime() const {
    return timeOfBytes(m_playedPos);
}

std::int64_t WavPlayer::duration() const {
    return timeOfBytes(m_dataBytes);
}

void WavPlayer::setCurrentTime(std::int64_t time) {
    if (!hasMedia())
        return;
    const std::int64_t pos = std::clamp<std::int64_t>(bytesOfTime(time), 0, m_dataBytes);
    drop();
    m_playedPos = m_readPos = pos;
    if (m_device) {
        m_ended = pos >= m_dataBytes;
        fill();
    }
}

// Returns every queued block unplayed; the position stays where playing had got to.
void WavPlayer::drop() {
    if (!m_device)
        return;
    m_dropping = true;
    m_device->reset();
    m_dropping = false;
    for (int i : m_queued)
        m_slots[i].header.flags = kHeaderDone;
    m_queued.clear();
    m_readPos = m_playedPos;
}

void WavPlayer::blockDone() {
    if (m_dropping || m_queued.empty())
        return;
    const int i = m_queued.front();
    if ((m_slots[i].header.flags & kHeaderDone) == 0)
        return;
    m_queued.pop_front();
    m_playedPos += m_slots[i].bytes;
    fill();
    if (m_queued.empty() && m_readPos >= m_dataBytes)
        m_ended = true;
}

// Hands the device blocks of the media until every slot is queued or the media is used up.
void WavPlayer::fill() {
    if (!m_device)
        return;
    for (Slot& s : m_slots) {
        if (m_readPos >= m_dataBytes)
            return;
        if ((s.header.flags & kHeaderInQueue) != 0)
            continue;
        const std::int64_t want = std::min<std::int64_t>(kBlockBytes, m_dataBytes - m_readPos);
        if (!m_file.seek(m_dataOffset + m_readPos))
            return;
        const qint64 got = m_file.read(reinterpret_cast<char*>(s.data.data()), want);
        if (got <= 0) {
            m_dataBytes = m_readPos; // the file ends here after all
            return;
        }
        std::fill(s.data.begin() + got, s.data.end(), std::uint8_t(0));
        s.bytes = std::uint32_t(got);
        s.header.flags = kHeaderPrepared;
        m_readPos += got;
        m_queued.push_back(int(&s - m_slots.data()));
        m_device->write(s.header);
    }
}

} // namespace talix::audio
