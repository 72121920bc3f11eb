#pragma once

// Frames as the board sends them while the receiver is being tuned: the parameter words it
// reports most often, a busy spectrum line and the status word. Shared by the frame benchmarks.
#include "base/LittleEndian.h"

#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace talix::bench {

constexpr uint32_t kPayloadLength = 3700;
constexpr size_t kSpectrumOffset = 2544;
constexpr size_t kSpectrumLineBytes = 1152;
constexpr size_t kStatusOffset = 3696;

inline uint32_t valueWord(int item) {
    return 245u | uint32_t(item) << 8;
}

// Levels, S-meter marker, modulation, the frequencies while tuning, and a readout value.
inline std::vector<uint32_t> typicalBlock(uint32_t tuned) {
    std::vector<uint32_t> words = {0,
                                   valueWord(40),
                                   uint32_t(-735),
                                   uint32_t(-731),
                                   12,
                                   valueWord(41),
                                   uint32_t(-731) + (tuned & 7),
                                   valueWord(19),
                                   tuned & 63,
                                   valueWord(0),
                                   tuned,
                                   tuned - 2'000'000,
                                   0,
                                   valueWord(3),
                                   tuned & 0xFF,
                                   valueWord(24),
                                   tuned};
    words[0] = uint32_t(4 * words.size());
    return words;
}

// Noise between 40 and 90 with five strong carriers, 9-bit bins packed least-significant bit first.
inline std::array<uint8_t, kSpectrumLineBytes> busySpectrumLine(unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> noise(40, 90);
    std::array<uint8_t, kSpectrumLineBytes> bytes{};
    for (int i = 0; i < 1024; ++i) {
        int v = noise(rng);
        for (int c : {100, 300, 512, 700, 900})
            if (i == int((c + seed) % 1024))
                v = 280;
        for (int b = 0; b < 9; ++b)
            if ((v >> b) & 1)
                bytes[(9 * i + b) / 8] |= uint8_t(1 << ((9 * i + b) % 8));
    }
    return bytes;
}

// A payload carrying `block` in one fragment with sequence number `seq` (0: no stream words).
inline std::vector<uint8_t> framePayload(uint32_t seq, const std::vector<uint32_t>& block,
                                         unsigned spectrumSeed = 0) {
    std::vector<uint8_t> p(kPayloadLength, 0x11);
    const uint32_t header = seq == 0 ? 0 : (block.size() & 0xFF) | (seq & 0x7FFFFF) << 8;
    writeLe32(p.data(), header);
    for (size_t i = 0; seq != 0 && i < block.size(); ++i)
        writeLe32(p.data() + 4 + 4 * i, block[i]);
    const auto line = busySpectrumLine(spectrumSeed);
    std::copy(line.begin(), line.end(), p.begin() + kSpectrumOffset);
    writeLe32(p.data() + kStatusOffset, 0x80000010);
    return p;
}

// Gives the payload a new sequence number, so that its block is walked again.
inline void renumber(std::vector<uint8_t>& p, uint32_t n) {
    const uint32_t seq = (n % 0x7FFFFE) + 1;
    writeLe32(p.data(), (p[0] & 0xFFu) | seq << 8);
}

} // namespace talix::bench
