#pragma once

#include <cstdint>

namespace talix::audio {

// The device level (a fraction of 65535, both channels) for the board's loudspeaker volume
// 0..255: exp(volume / 22.993), rounded through single precision and truncated. 0 gives 1,
// 127 gives 250, 254 gives 62745, 255 gives 65534.
std::uint16_t playbackVolumeLevel(std::uint8_t speakerVolume);

} // namespace talix::audio
