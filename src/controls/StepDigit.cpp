#include "controls/StepDigit.h"

#include <algorithm>
#include <cmath>

namespace talix::controls {

namespace {
constexpr double kCellsPerReadout = 9.0;
constexpr double kTriangleCellsPerReadout = 9.5;
constexpr int kDecimalSkip = 1;   // digits from 1 on lie left of the decimal separator
constexpr int kThousandsSkip = 4; // digits from 4 on lie left of the thousands separator
} // namespace

int digitAtPosition(double x, double w) {
    const double cell = w / kCellsPerReadout;
    const double raw = std::trunc(10.0 - x / cell);
    int c = std::isnan(raw) ? 0 : int(std::clamp(raw, 0.0, 100.0));
    if (c > 0)
        --c;
    if (c > 3)
        --c;
    return std::min(c, kMaxTuneDigit);
}

std::array<PointF, 3> digitTriangle(int tuneDigit, double right, double bottom, double w) {
    const int digit = std::clamp(tuneDigit, 0, kMaxTuneDigit);
    const double cell = w / kTriangleCellsPerReadout;
    double b = std::trunc(w * digit / kTriangleCellsPerReadout);
    if (digit >= kDecimalSkip)
        b = std::trunc(cell + b);
    if (digit >= kThousandsSkip)
        b = std::trunc(cell + b);
    const PointF first{right - 77.5 - b, bottom - 0.5};
    const PointF second{first.x + 70, first.y};
    const PointF apex{second.x - 35, second.y - 50};
    return {first, second, apex};
}

} // namespace talix::controls
