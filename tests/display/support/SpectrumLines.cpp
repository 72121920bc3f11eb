#include "display/support/SpectrumLines.h"

namespace talix::display::testing {

LineBytes packLine(const SpectrumBins& bins) {
    std::array<uint32_t, kSpectrumLineBytes / 4> words{};
    for (int i = 0; i < kSpectrumBins; ++i) {
        for (int b = 0; b < 9; ++b) {
            const int k = 9 * i + b;
            if ((bins[i] >> b) & 1)
                words[k / 32] |= uint32_t(1) << (k % 32);
        }
    }
    LineBytes bytes{};
    for (std::size_t w = 0; w < words.size(); ++w)
        for (int j = 0; j < 4; ++j)
            bytes[4 * w + j] = uint8_t(words[w] >> (8 * j));
    return bytes;
}

SpectrumBins flatBins(uint16_t value) {
    SpectrumBins b;
    b.fill(value);
    return b;
}

} // namespace talix::display::testing
