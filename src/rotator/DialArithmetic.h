#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <optional>

namespace talix::rotator {

// The rotator dial's arithmetic. Angles are in radians, 0 pointing east (right) and pi/2 north
// (up); positions are rotator steps, 232 to half a turn, so opposite directions share a position.
constexpr double kPi = 3.141592654;
// One rotator step of finger travel on the dial.
constexpr double kDialStepAngle = kPi / 232;

// The angle of a point given in the dial's own coordinates (w x h).
double dialAngle(double x, double y, double w, double h);

// The position a finger at angle a asks for, 0 to 232: about 0 north, 116 east, 232 south and 116
// again west.
int positionOfAngle(double a);

// The position after one wheel notch: down for a delta of 0 or less, up otherwise; 1 and 232 wrap
// into each other.
int wheelPosition(int position, int wheelDelta);

// Where the dial shows position p: the antenna's direction as an angle.
double angleOfPosition(int p);

// The dial's marks for position p: the top-left corners of the two end circles S_Pitch and
// S_Pitch1 in the dial's coordinates, and the rotation of the null line LNull in degrees
// (clockwise, 0 horizontal).
struct DialMarks {
    QPointF pitch;
    QPointF pitch1;
    double nullLineDegrees = 0;
};
DialMarks dialMarks(int p, QSizeF dial, QSizeF circle);

// L_Grad: the direction in whole degrees, "90°" for 116.
QString degreesText(int p);

// A finger dragged over the dial: it asks for a new position each time it has travelled at least
// one step's angle since the last one it asked for (or since it touched the dial).
class DialDrag {
public:
    // The dial was touched at (x, y).
    void touch(double x, double y, double w, double h);
    // The finger moved to (x, y) while down: the position to turn to, or nothing. A point on
    // either centre line gives no direction.
    std::optional<int> move(double x, double y, double w, double h);

private:
    float m_lastAngle = 0; // the last dial angle, kept single precision
};

} // namespace talix::rotator
