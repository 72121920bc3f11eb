#pragma once

namespace talix::controls {

// The single-precision pi the board's knob words are scaled with.
constexpr float kPi = 3.141592654f;
// The knob's mark starts at 6 o'clock.
constexpr float kKnobStartAngle = 3 * kPi / 2;
// One knob step per 12 degrees of finger travel.
constexpr float kKnobStepAngle = kPi / 15;
// One wheel notch turns the mark by 9 degrees.
constexpr float kWheelMarkAngle = kPi / 20;
// Size of one tuning step sent by the knob and the wheel.
constexpr int kKnobStepSize = 2;

// Angle of a point given in the knob's own coordinates (w x h): 0 to the right of the centre,
// growing counter-clockwise, in -pi..pi.
float knobPointAngle(double x, double y, double w, double h);

// A point exactly on the knob's vertical or horizontal centre line gives no usable direction.
bool onKnobCentreLine(double x, double y, double w, double h);

// Direction of the knob step for the finger at angle a after the last accepted step at ref:
// +1 clockwise, -1 counter-clockwise, 0 while the finger has moved less than 12 degrees.
// Passing 9 o'clock (where the angle jumps between +pi and -pi) keeps its true direction.
int knobStepDirection(float a, float ref);

// The knob's mark after one wheel notch: forward (positive delta) turns it counter-clockwise.
float wheelMarkAngle(float knobAngle, int wheelDelta);

// The step a wheel notch sends: forward +2, otherwise -2.
inline int wheelStep(int wheelDelta) {
    return wheelDelta > 0 ? kKnobStepSize : -kKnobStepSize;
}

} // namespace talix::controls
