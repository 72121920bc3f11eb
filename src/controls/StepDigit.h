#pragma once

#include <array>

namespace talix::controls {

// Digits of the tuning step the board's step commands can change: 0 (the rightmost) to 6.
constexpr int kMaxTuneDigit = 6;
// Width of the step readout EStepsRX, whose digits the selector underneath follows.
constexpr double kStepReadoutWidth = 248;

// The digit under x in the selector, for a step readout w wide: nine and a half digit cells
// (the decimal and the thousands separator take a cell each but are no digits), the leftmost
// digit 6, positions right of the last cell digit 0.
int digitAtPosition(double x, double w = kStepReadoutWidth);

struct PointF {
    double x, y;
};

// The yellow triangle that points up at the chosen digit, in the selector's own coordinates
// (right and bottom of its rectangle), for a step readout w wide. A digit the board reports
// outside 0..6 is drawn at the nearer end.
std::array<PointF, 3> digitTriangle(int tuneDigit, double right, double bottom,
                                    double w = kStepReadoutWidth);

} // namespace talix::controls
