#pragma once

#include "audio/AudioDevice.h"
#include "audio/AudioFormat.h"
#include "audio/WaveHeader.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace talix::audio {

// PlaybackRing: the board's audio on the host's output device. 64 blocks of 2048 bytes are filled
// completely (0.8 s) before the first goes to the device; then each received block hands one over;
// when the device has fewer than 3 left, the ring is filled completely again. A block whose slot
// the device still holds is dropped. Each slot's state is its header's flags: free = kHeaderDone,
// filled and waiting = exactly kHeaderPrepared, queued = kHeaderInQueue.
//
// Used on one thread only (the UI thread), which also delivers the device's notifications to
// deviceOpened, blockDone and deviceClosed (OnDeviceOpen, OnBlockDone, OnDeviceClose); so it needs
// no lock.
class PlaybackRing {
public:
    static constexpr int kSlots = 64;
    static constexpr int kLowWater = 3; // fewer queued blocks than this: refill before playing on

    PlaybackRing();
    ~PlaybackRing();
    PlaybackRing(const PlaybackRing&) = delete;
    PlaybackRing& operator=(const PlaybackRing&) = delete;

    // Opens `device` with the audio format and, on success, keeps it and sets its volume from
    // `speakerVolume` (OpenPlayback). The device reports to `listener`, which must pass its
    // deviceOpened(), blockDone() and deviceClosed() on to this ring's. On failure the device is
    // released and nothing is playing.
    OpenResult open(std::unique_ptr<AudioDevice> device, AudioDeviceListener& listener,
                    std::uint8_t speakerVolume);
    void setVolume(std::uint8_t speakerVolume);
    // The loudspeaker volume last set; the recorder's player plays at the same level.
    std::uint8_t speakerVolume() const { return m_speakerVolume; }
    // Hold and resume the device's output; the ring keeps its state meanwhile.
    void pause();   // PausePlayback
    void restart(); // RestartPlayback
    // Resets and closes the device and releases it; nothing is handed over afterwards.
    void close(); // ClosePlayback
    bool hasDevice() const { return m_device != nullptr; }

    // The device's notifications (open, one block done, close).
    void deviceOpened();
    // Returns the value for the queue level bar when it is to change: with every block while the
    // queue runs low, otherwise once per turn of the ring.
    std::optional<int> blockDone();
    void deviceClosed();

    // One received block of audio.
    void queueBlock(std::span<const std::uint8_t, kBlockBytes> block);

    bool isOpen() const { return m_playbackOpen; }
    bool started() const { return m_started; }
    std::int32_t queuedBlocks() const { return m_queuedBlocks; }
    int fillIndex() const { return m_fillIndex; }
    int playIndex() const { return m_playIndex; }
    // Since the device was opened: blocks played out, times the queue ran low and the ring had to
    // prebuffer again, and received blocks dropped because their slot was still queued.
    struct Statistics {
        std::uint64_t played = 0;
        std::uint64_t underruns = 0;
        std::uint64_t dropped = 0;
    };
    const Statistics& statistics() const { return m_statistics; }
    // The flags of one slot's header; 0 while the ring holds no memory.
    std::uint32_t slotFlags(int slot) const;
    const std::uint8_t* slotData(int slot) const;

private:
    struct Slot {
        std::array<std::uint8_t, kBlockBytes> data;
        WaveHeader header;
    };
    using Slots = std::array<Slot, kSlots>;

    static std::uint8_t next(std::uint8_t index) { return (index + 1) % kSlots; }
    void handOver();

    // Declared before the device so that the device, which may hold headers, goes first.
    std::unique_ptr<Slots> m_slots;
    std::unique_ptr<AudioDevice> m_device;
    std::uint8_t m_speakerVolume = 0;
    std::uint8_t m_fillIndex = 0;
    std::uint8_t m_playIndex = 0;
    std::int32_t m_queuedBlocks = 0;
    bool m_started = false;
    bool m_playbackOpen = false;
    Statistics m_statistics;
};

} // namespace talix::audio
