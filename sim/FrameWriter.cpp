#include "sim/FrameWriter.h"

#include "base/LittleEndian.h"
#include "link/LinkFrame.h"

#include <cstring>

namespace talix::sim {

void packSpectrum(const std::array<uint16_t, kSpectrumBins>& bins, uint8_t* out) {
    std::memset(out, 0, kSpectrumBytes);
    for (uint32_t i = 0; i < kSpectrumBins; ++i) {
        const uint32_t value = bins[i] > kMaxBinValue ? kMaxBinValue : bins[i];
        const uint32_t bit = i * 9;
        // Little-endian words packed LSB first are the same as a little-endian bit stream.
        for (uint32_t b = 0; b < 9; ++b) {
            if (value >> b & 1) {
                const uint32_t k = bit + b;
                out[k / 8] |= uint8_t(1u << (k % 8));
            }
        }
    }
}

uint16_t unpackBin(const uint8_t* packed, uint32_t bin) {
    const uint32_t bit = bin * 9;
    const uint32_t word = bit / 32;
    const uint32_t shift = bit % 32;
    uint64_t pair = readLe32(packed + word * 4);
    if (word + 1 < kSpectrumBytes / 4)
        pair |= uint64_t(readLe32(packed + word * 4 + 4)) << 32;
    return uint16_t(pair >> shift & 0x1FF);
}

void writeFrame(FrameBytes& out, uint32_t counter, const FrameContent& content) {
    uint8_t* p = out.data();
    writeLe32(p, link::kFrameLength);
    writeLe32(p + 4, link::kFrameCheckWord);
    writeLe32(p + 8, counter);
    uint8_t* payload = p + link::kFrameHeaderLength;
    writeLe32(payload + board::kStreamHeaderOffset, content.streamHeader);
    for (uint32_t i = 0; i < kStreamAreaWords; ++i)
        writeLe32(payload + board::kStreamWordsOffset + i * 4, content.words[i]);
    for (uint32_t i = 0; i < kAudioPairs * 2; ++i)
        writeLe16(payload + kAudioOffset + i * 2, uint16_t(content.audio[i]));
    packSpectrum(content.spectrum, payload + kSpectrumOffset);
    writeLe32(payload + kStatusOffset, content.status);
}

} // namespace talix::sim
