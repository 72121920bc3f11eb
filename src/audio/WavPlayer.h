#pragma once

#include "audio/AudioDevice.h"
#include "audio/AudioFormat.h"
#include "audio/WaveHeader.h"

#include <QFile>
#include <QString>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

namespace talix::audio {

// The recorder's media player (MP1): plays a WAV file of the recording format (16-bit stereo PCM
// at 40960 Hz) on its own output device of the kind the live audio uses. Times are in 100 ns
// units. The data chunk runs to the end of the file whatever its header says, so a recording cut
// off before its sizes were written plays whole. UI thread only; the device's notifications must
// reach it on that thread (it is the device's listener).
class WavPlayer : public AudioDeviceListener {
public:
    using DeviceFactory = std::function<std::unique_ptr<AudioDevice>()>;
    static constexpr std::int64_t kTimeUnitsPerSecond = 10'000'000;
    static constexpr int kSlots = 8; // 100 ms queued on the device

    explicit WavPlayer(DeviceFactory factory);
    ~WavPlayer() override;
    WavPlayer(const WavPlayer&) = delete;
    WavPlayer& operator=(const WavPlayer&) = delete;

    // Opens `path` (releasing any media held before); false when it is missing or not a file of
    // the recording format.
    bool open(const QString& path);
    // Starts at the current time; false without media or when the device does not open.
    bool play();
    // Stops the output and releases the device; the media stays open.
    void stop();
    // Stops and closes the media.
    void release();

    bool hasMedia() const { return m_file.isOpen(); }
    // The device level (a fraction of 65535), now and for every later play().
    void setVolume(std::uint16_t level);
    // Between play() and stop(), until the last block has been played.
    bool playing() const { return m_device != nullptr && !m_ended; }
    std::int64_t currentTime() const;
    std::int64_t duration() const;
    // Goes on from `time` (clamped to the media), playing or not.
    void setCurrentTime(std::int64_t time);

    // AudioDeviceListener
    void deviceOpened() override {}
    void blockDone() override;
    void deviceClosed() override {}

private:
    struct Slot {
        std::array<std::uint8_t, kBlockBytes> data{};
        WaveHeader header;
        std::uint32_t bytes = 0; // of the media; the rest of the block is silence
    };

    void fill();
    void drop();

    DeviceFactory m_factory;
    QFile m_file;
    std::int64_t m_dataOffset = 0;
    std::int64_t m_dataBytes = 0;
    std::int64_t m_readPos = 0;   // media bytes handed to the device
    std::int64_t m_playedPos = 0; // media bytes played
    std::array<Slot, kSlots> m_slots;
    std::deque<int> m_queued; // slots on the device, oldest first
    std::uint16_t m_volume = 0;
    std::unique_ptr<AudioDevice> m_device;
    bool m_ended = false;
    bool m_dropping = false; // blocks the device returns are not refilled
};

// Bytes of the recording format as a time in 100 ns units, and back (whole sample pairs).
std::int64_t timeOfBytes(std::int64_t bytes);
std::int64_t bytesOfTime(std::int64_t time);

} // namespace talix::audio
