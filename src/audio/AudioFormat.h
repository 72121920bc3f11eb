#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace talix::audio {

// The board's audio and the playback device's format: 16-bit signed little-endian PCM, two
// interleaved channels (left first), 40960 samples per second per channel.
constexpr std::uint16_t kPcmFormatTag = 1;
constexpr int kSampleRate = 40960;
constexpr int kChannels = 2;
constexpr int kBitsPerSample = 16;
constexpr int kBytesPerFrame = kChannels * kBitsPerSample / 8;
constexpr int kBytesPerSecond = kSampleRate * kBytesPerFrame;

// One frame from the board carries one block: 512 sample pairs, 12.5 ms.
constexpr std::size_t kBlockBytes = 2048;
constexpr int kBlockFrames = static_cast<int>(kBlockBytes) / kBytesPerFrame;
constexpr std::chrono::microseconds kBlockDuration{1'000'000LL * kBlockFrames / kSampleRate};

static_assert(kBytesPerSecond == 163840);
static_assert(kBlockDuration == std::chrono::microseconds(12500));

} // namespace talix::audio
