#pragma once

#include "base/LittleEndian.h"

#include <cstddef>
#include <cstdint>

namespace talix::board {

// Layout of one frame payload (3700 bytes, little-endian): the stream header and up to 124 words
// of the parameter stream, one audio block, one spectrum line and the status word.
constexpr size_t kStreamHeaderOffset = 0;
constexpr size_t kStreamWordsOffset = 4;
constexpr uint32_t kMaxStreamWords = 124;
constexpr size_t kAudioOffset = 496;
constexpr size_t kAudioBytes = 2048;
constexpr size_t kSpectrumOffset = 2544;
constexpr size_t kSpectrumBytes = 1152;
constexpr size_t kStatusOffset = 3696;
constexpr size_t kFullPayload = 3700;
// Frames longer than this carry audio.
constexpr size_t kAudioThreshold = 634;

// Bits 0-7: words of the stream in this frame; 8-30: block sequence number; 31: continuation.
struct StreamHeader {
    uint32_t words = 0;
    uint32_t seq = 0;
    bool continuation = false;

    static StreamHeader decode(uint32_t header) {
        return {header & 0xFF, (header >> 8) & 0x7FFFFF, (header >> 31) != 0};
    }
};

// Status word: bits 0-8 the AGC level row, bit 31 the external WiFi antenna.
constexpr uint32_t agcLevelRowOf(uint32_t status) {
    return status & 0x1FF;
}
constexpr bool externalAntennaOf(uint32_t status) {
    return (status >> 31) != 0;
}

// The frame counter and payload length as the receive thread packs them.
constexpr uint16_t frameCounterOf(uint32_t lParam) {
    return uint16_t(lParam >> 16);
}
constexpr uint32_t payloadLengthOf(uint32_t lParam) {
    return lParam & 0xFFFF;
}

} // namespace talix::board
