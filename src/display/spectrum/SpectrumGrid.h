#pragma once

#include "base/GridOffset.h"
#include "display/spectrum/SpectrumSettings.h"

#include <QPainterPath>

namespace talix::display {

constexpr int kBinsPerDivision = 64;
constexpr int kRowsPerDivision = 40;

// GridOffset for the settings' mode (base/GridOffset.h).
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
