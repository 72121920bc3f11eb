#pragma once

#include "base/FramePayload.h"
#include "link/LinkFrame.h"

#include <array>
#include <cstdint>

namespace talix::sim {

// The payload layout is the program's.
using board::kAudioOffset;
using board::kSpectrumBytes;
using board::kSpectrumOffset;
using board::kStatusOffset;

// The parameter words after the StreamHeader fill the area up to the audio block (123 words).
constexpr uint32_t kStreamAreaWords = (board::kAudioOffset - board::kStreamWordsOffset) / 4;
constexpr uint32_t kAudioPairs = board::kAudioBytes / 4; // stereo pairs of 16-bit samples
constexpr uint32_t kSpectrumBins = board::kSpectrumBytes * 8 / 9;
constexpr uint32_t kMaxBinValue = 511;

// StreamHeader: n words in this frame, 23-bit block sequence number, continuation flag.
constexpr uint32_t streamHeader(uint32_t words, uint32_t seq, bool continuation) {
    return (words & 0xFF) | (seq & 0x7FFFFF) << 8 | (continuation ? 0x80000000u : 0u);
}

// What one frame carries besides its header.
struct FrameContent {
    uint32_t streamHeader = 0;
    std::array<uint32_t, kStreamAreaWords> words{}; // parameter words after the StreamHeader
    std::array<int16_t, kAudioPairs * 2> audio{};   // left, right, left, right ...
    std::array<uint16_t, kSpectrumBins> spectrum{}; // 0..511 each
    uint32_t status = 0;                            // bits 0-8 AgcLevelRow, bit 31 antenna
};

using FrameBytes = std::array<uint8_t, link::kFrameLength>;

// Packs bins of 9 bits, least significant bit first, into little-endian 32-bit words.
void packSpectrum(const std::array<uint16_t, kSpectrumBins>& bins, uint8_t* out);
// Reads bin i back from a packed line (the program's decoding, for tests and checks).
uint16_t unpackBin(const uint8_t* packed, uint32_t bin);

// Writes the whole frame: length, check word, counter, payload.
void writeFrame(FrameBytes& out, uint32_t counter, const FrameContent& content);

} // namespace talix::sim
