#include "controls/KnobArithmetic.h"

#include <cmath>

namespace talix::controls {

float knobPointAngle(double x, double y, double w, double h) {
    return float(std::atan2(h / 2 - y, x - w / 2));
}

bool onKnobCentreLine(double x, double y, double w, double h) {
    return x == w / 2 || y == h / 2;
}

int knobStepDirection(float a, float ref) {
    if (std::fabs(a - ref) < kKnobStepAngle)
        return 0;
    // Around 9 o'clock the angle wraps from +pi to -pi; a jump across it is judged by the side
    // the finger came from, not by the sign of the difference.
    if (a < -2 && ref > 0)
        return -1;
    if (a > 0 && ref < -2)
        return +1;
    return a - ref < 0 ? +1 : -1;
}

float wheelMarkAngle(float knobAngle, int wheelDelta) {
    return knobAngle + (wheelDelta > 0 ? kWheelMarkAngle : -kWheelMarkAngle);
}

} // namespace talix::controls
