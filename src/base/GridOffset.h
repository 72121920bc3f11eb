#pragma once

#include <cstdint>

namespace talix {

// x of the spectrum's grid line 0 when the grid does not follow the passband.
constexpr float kRestingGridOffset = 1.5f;

// What the grid's place depends on, as the board reports it.
struct GridPlace {
    float binHz = 0;             // BinHz
    std::int32_t tunedFreq = 0;  // TunedFreq, 0.1 Hz
    std::uint8_t modeIndex = 0;  // ModeIndex
    std::uint16_t bandwidth = 0; // Bandwidth, Hz
    std::int32_t audioResolution = 0;
};

// x of grid line 0 for the current mode (GridOffset): 1.5, moved by a mode-dependent amount when
// the bins are 160 Hz wide so that a grid line falls on the carrier. The spectrum draws its grid
// there and the notch marker is placed by it, so both read it from here.
float gridOffsetFor(const GridPlace& p);

} // namespace talix
