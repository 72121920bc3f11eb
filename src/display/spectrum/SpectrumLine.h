#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace talix::display {

// One spectrum line as the board sends it: 1024 bins of 9 bits, packed least-significant bit first
// into little-endian 32-bit words (bin i is bits 9i..9i+8 of the stream; a bin may straddle two
// words).
constexpr int kSpectrumBins = 1024;
constexpr std::size_t kSpectrumLineBytes = kSpectrumBins * 9 / 8; // 1152
constexpr int kBinValueMax = 511;

// Display geometry shared by the spectrum and the waterfall: 320 rows, bin i spans
// x = i + 0.5 .. i + 1.5, the bottom line is y = 320.5 and a value v lies at y = 320.5 - v.
constexpr int kDisplayRows = 320;
constexpr double kBottomY = 320.5;

using SpectrumBins = std::array<uint16_t, kSpectrumBins>;

// Decodes the 1152 bytes of a line into bin values 0..511.
void unpackSpectrumLine(std::span<const uint8_t, kSpectrumLineBytes> bytes, SpectrumBins& bins);

} // namespace talix::display
