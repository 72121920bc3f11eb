#include "audio/PlaybackVolume.h"

#include <cmath>

namespace talix::audio {

std::uint16_t playbackVolumeLevel(std::uint8_t speakerVolume) {
    // The exponent keeps the result below 65535 for every 8-bit volume, so the conversion is exact
    // truncation and never overflows.
    const float level = static_cast<float>(std::exp(speakerVolume / 22.993));
    return static_cast<std::uint16_t>(level);
}

} // namespace talix::audio
