// The rotator dial's arithmetic: touch angles, the position a finger asks for (north to south and
// on to the west), the wheel's wrap, where the marks go and the degrees shown.
#include "rotator/DialArithmetic.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace talix::rotator;

namespace {

constexpr double kSize = 360;

// A point on the dial at `degrees` clockwise from north, `radius` from the centre.
QPointF onDial(double degrees, double radius = 150) {
    const double r = degrees * kPi / 180;
    return {kSize / 2 + radius * std::sin(r), kSize / 2 - radius * std::cos(r)};
}

// The positions a finger sends (0 goes out as 1) when it touches the dial at `from` degrees and
// moves clockwise half a degree at a time to `to`.
std::vector<int> dragClockwise(double from, double to) {
    DialDrag drag;
    QPointF p = onDial(from);
    drag.touch(p.x(), p.y(), kSize, kSize);
    std::vector<int> sent;
    for (double d = from + 0.5; d <= to; d += 0.5) {
        p = onDial(d);
        if (auto position = drag.move(p.x(), p.y(), kSize, kSize))
            sent.push_back(std::max(*position, 1));
    }
    return sent;
}

TEST(DialArithmetic, AnglesOfTouches) {
    struct Case {
        double x, y, angle;
    };
    const Case cases[] = {
        {360, 180, 0},        // east
        {180, 0, kPi / 2},    // north
        {0, 180, kPi},        // west
        {180, 360, -kPi / 2}, // south
        {330, 30, kPi / 4},   // north-east
    };
    for (const Case& c : cases)
        EXPECT_NEAR(dialAngle(c.x, c.y, kSize, kSize), c.angle, 1e-9) << c.x << "," << c.y;
}

TEST(DialArithmetic, PositionsOfAngles) {
    struct Case {
        double degreesFromNorth;
        int position;
    };
    const Case cases[] = {
        {0.5, 0},  {46, 59},     {91, 117},  {136, 175}, {179.5, 231}, {180.5, 232},
        {226, 59}, {269.5, 115}, {316, 176}, {350, 220}, {359.5, 0}, // truncated toward zero before
                                                                     // the wrap
    };
    for (const Case& c : cases) {
        const double a = kPi / 2 - c.degreesFromNorth * kPi / 180;
        const double wrapped = a <= -kPi ? a + 2 * kPi : a;
        EXPECT_EQ(positionOfAngle(wrapped), c.position) << c.degreesFromNorth;
    }
}

// North clockwise to south: 1 rising to 232. Positions cover half a turn, so on past south the
// finger points the antenna the way it did past north: 1 rising again, to 116 in the west, and
// the marks keep following the finger.
TEST(DialArithmetic, DraggingFromNorthToSouthAndOnToTheWest) {
    const std::vector<int> toSouth = dragClockwise(0, 180.5);
    ASSERT_FALSE(toSouth.empty());
    EXPECT_EQ(toSouth.front(), 1);
    EXPECT_EQ(toSouth.back(), 232);
    EXPECT_TRUE(std::is_sorted(toSouth.begin(), toSouth.end()));
    EXPECT_GE(toSouth.size(), 170u); // a datagram for each degree or so

    const std::vector<int> toWest = dragClockwise(180.5, 270);
    ASSERT_FALSE(toWest.empty());
    EXPECT_LE(toWest.front(), 2);
    EXPECT_NEAR(toWest.back(), 116, 1);
    EXPECT_TRUE(std::is_sorted(toWest.begin(), toWest.end()));
}

TEST(DialArithmetic, ADragSendsNothingBelowOneStepOrOnTheCentreLines) {
    DialDrag drag;
    drag.touch(300, 100, kSize, kSize);
    EXPECT_FALSE(drag.move(300, 100.2, kSize, kSize)); // less than pi/232
    EXPECT_FALSE(drag.move(180, 20, kSize, kSize));    // on the vertical centre line
    EXPECT_FALSE(drag.move(20, 180, kSize, kSize));    // on the horizontal one
    EXPECT_TRUE(drag.move(300, 120, kSize, kSize));
}

TEST(DialArithmetic, TheWheelStepsAndWraps) {
    struct Case {
        int position, delta, next;
    };
    const Case cases[] = {
        {1, -120, 232}, {232, 120, 1}, {116, 120, 117}, {116, -120, 115},
        {116, 0, 115},  {0, 120, 1},   {0, -120, 232},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wheelPosition(c.position, c.delta), c.next) << c.position << " " << c.delta;
}

TEST(DialArithmetic, MarksOfPositions) {
    struct Case {
        int position;
        QPointF pitch, pitch1;
        double nullLine;
    };
    const Case cases[] = {
        {0, {90, 0}, {90, 180}, 0},     // north-south, the null line across
        {116, {180, 90}, {0, 90}, 90},  // east-west
        {232, {90, 180}, {90, 0}, 180}, // south-north
        {58, {153.64, 26.36}, {26.36, 153.64}, 45},
    };
    for (const Case& c : cases) {
        const DialMarks m = dialMarks(c.position, QSizeF(360, 360), QSizeF(180, 180));
        EXPECT_NEAR(m.pitch.x(), c.pitch.x(), 0.01) << c.position;
        EXPECT_NEAR(m.pitch.y(), c.pitch.y(), 0.01) << c.position;
        EXPECT_NEAR(m.pitch1.x(), c.pitch1.x(), 0.01) << c.position;
        EXPECT_NEAR(m.pitch1.y(), c.pitch1.y(), 0.01) << c.position;
        EXPECT_NEAR(m.nullLineDegrees, c.nullLine, 1e-6) << c.position;
    }
}

TEST(DialArithmetic, DegreesShown) {
    struct Case {
        int position;
        const char* text;
    };
    const Case cases[] = {{0, "0°"}, {1, "0°"}, {58, "45°"}, {116, "90°"}, {232, "180°"}};
    for (const Case& c : cases)
        EXPECT_EQ(degreesText(c.position), QString::fromUtf8(c.text)) << c.position;
}

} // namespace
