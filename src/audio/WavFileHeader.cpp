#include "audio/WavFileHeader.h"

#include "audio/AudioFormat.h"
#include "base/LittleEndian.h"

#include <cstring>

namespace talix::audio {

std::array<std::uint8_t, kWavHeaderBytes> wavFileHeader(std::uint32_t dataBytes) {
    std::array<std::uint8_t, kWavHeaderBytes> h{};
    std::uint8_t* p = h.data();
    std::memcpy(p + 0, "RIFF", 4);
    writeLe32(p + 4, dataBytes + (kWavHeaderBytes - 8));
    std::memcpy(p + 8, "WAVE", 4);
    std::memcpy(p + 12, "fmt ", 4);
    writeLe32(p + 16, 16);
    writeLe16(p + 20, kPcmFormatTag);
    writeLe16(p + 22, kChannels);
    writeLe32(p + 24, kSampleRate);
    writeLe32(p + 28, kBytesPerSecond);
    writeLe16(p + 32, kBytesPerFrame);
    writeLe16(p + 34, kBitsPerSample);
    std::memcpy(p + 36, "data", 4);
    writeLe32(p + 40, dataBytes);
    return h;
}

} // namespace talix::audio
