#pragma once

#include <cstdint>

namespace talix::audio {

// Slot state bits, as the waveform-audio interface keeps them in a block header.
constexpr std::uint32_t kHeaderDone = 1;     // played, or never handed over: the slot is free
constexpr std::uint32_t kHeaderPrepared = 2; // holds a block for the device
constexpr std::uint32_t kHeaderInQueue = 16; // owned by the device until it sets kHeaderDone

// The header of one playback block. Whoever fills the block owns it while kHeaderInQueue is
// clear; a device owns it from AudioDevice::write() until it sets kHeaderDone again.
struct WaveHeader {
    const std::uint8_t* data = nullptr;
    std::uint32_t bufferLength = 0;
    std::uint32_t flags = 0;
    std::uint32_t loops = 0;
};

// What a device does to a header it takes, and to one it has played.
inline void markQueued(WaveHeader& header) {
    header.flags = (header.flags & ~kHeaderDone) | kHeaderInQueue;
}
inline void markPlayed(WaveHeader& header) {
    header.flags = (header.flags & ~kHeaderInQueue) | kHeaderDone;
}

} // namespace talix::audio
