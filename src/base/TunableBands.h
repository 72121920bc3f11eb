#pragma once

#include <cstdint>

namespace talix::board {

// The bands the receiver tunes, in 0.1 Hz: 0 to 30 MHz, 50 to 71, 87 to 110 and 130 to 156 MHz.
struct TunableBand {
    int64_t low, high;
};

constexpr TunableBand kTunableBands[] = {
    {0, 300'000'000},
    {500'000'000, 710'000'000},
    {870'000'000, 1'100'000'000},
    {1'300'000'000, 1'560'000'000},
};

// Whether a frequency in 0.1 Hz lies in one of the bands (edges included).
constexpr bool inTunableBand(int64_t f) {
    for (const TunableBand& b : kTunableBands)
        if (f >= b.low && f <= b.high)
            return true;
    return false;
}

} // namespace talix::board
