#include "display/spectrum/SpectrumLine.h"

#include "base/LittleEndian.h"

namespace talix::display {

void unpackSpectrumLine(std::span<const uint8_t, kSpectrumLineBytes> bytes, SpectrumBins& bins) {
    // Little-endian words packed LSB first are the same bit stream as the bytes read LSB first, so
    // a bin is found in the two bytes holding its first bit (its shift within them is at most 7,
    // and 7 + 9 fits in 16 bits). The last bin ends in the last byte: no read past the line.
    for (int i = 0; i < kSpectrumBins; ++i) {
        const int bit = 9 * i;
        const uint16_t pair = readLe16(bytes.data() + bit / 8);
        bins[i] = uint16_t((pair >> (bit % 8)) & kBinValueMax);
    }
}

} // namespace talix::display
