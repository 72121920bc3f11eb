#pragma once

#include "display/spectrum/SpectrumSettings.h"

#include <QPainterPath>

namespace talix::display {

// x of grid line 0 when the grid does not follow the passband.
constexpr float kRestingGridOffset = 1.5f;
constexpr int kBinsPerDivision = 64;
constexpr int kRowsPerDivision = 40;

// x position of grid line 0 for the current mode: 1.5, moved by a mode-dependent amount when the
// bins are 160 Hz wide so that a grid line falls on the carrier.
float gridOffsetFor(const SpectrumSettings& s);

// How far the trace, the waterfall row and the marks move right: 0 when the grid follows the
// passband (the grid moves instead), else 1.5 - gridOffset.
double traceShift(const SpectrumSettings& s, float gridOffset);

// The grid lines of the spectrum and the tick marks of the strips above and below it.
struct SpectrumGrid {
    QPainterPath gridPath;     // vertical and horizontal grid lines
    QPainterPath tickPathEven; // ticks of the even vertical grid lines (strip coordinates)
    QPainterPath tickPathOdd;  // ticks of the odd vertical grid lines
    float gridOffset = kRestingGridOffset;
};

SpectrumGrid buildSpectrumGrid(const SpectrumSettings& s);

// The notch rectangle from MarkerLo to MarkerHi over the full height, moved with the trace.
QPainterPath buildMarkerPath(const SpectrumSettings& s, float gridOffset);

} // namespace talix::display
