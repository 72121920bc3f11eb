#pragma once

#include <array>
#include <cstdint>

namespace talix::audio {

constexpr std::size_t kWavHeaderBytes = 44;
// The most audio bytes a RIFF file's 32-bit sizes can describe.
constexpr std::uint32_t kWavMaxDataBytes = 0xFFFFFFFFu - (kWavHeaderBytes - 8);

// The 44-byte RIFF/WAVE header of a plain PCM file in the playback format holding `dataBytes`
// bytes of audio (little-endian, "fmt " chunk of 16 bytes, then the "data" chunk header).
std::array<std::uint8_t, kWavHeaderBytes> wavFileHeader(std::uint32_t dataBytes);

} // namespace talix::audio
