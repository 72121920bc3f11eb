#include "controls/KnobArithmetic.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace talix::controls;

namespace {

constexpr double kSize = 348; // the knob's width and height
constexpr double kDeg = kPi / 180;

// A point on a circle of radius 100 around the knob's centre at the given angle in degrees.
double px(double deg) {
    return kSize / 2 + 100 * std::cos(deg * kDeg);
}
double py(double deg) {
    return kSize / 2 - 100 * std::sin(deg * kDeg);
}

TEST(KnobPointAngle, ZeroToTheRightGrowingCounterClockwise) {
    EXPECT_NEAR(knobPointAngle(300, kSize / 2, kSize, kSize), 0, 1e-6);
    EXPECT_NEAR(knobPointAngle(kSize / 2, 10, kSize, kSize), kPi / 2, 1e-6);
    EXPECT_NEAR(knobPointAngle(kSize / 2, 300, kSize, kSize), -kPi / 2, 1e-6);
    EXPECT_NEAR(knobPointAngle(px(135), py(135), kSize, kSize), 135 * kDeg, 1e-5);
}

TEST(KnobPointAngle, CentreLines) {
    EXPECT_TRUE(onKnobCentreLine(kSize / 2, 3, kSize, kSize));
    EXPECT_TRUE(onKnobCentreLine(3, kSize / 2, kSize, kSize));
    EXPECT_FALSE(onKnobCentreLine(3, 4, kSize, kSize));
}

struct KnobTurn {
    const char* name;
    double fromDeg;
    double toDeg;
    int direction;
};

class KnobStepDirection : public testing::TestWithParam<KnobTurn> {};

TEST_P(KnobStepDirection, FromTheFingersAngles) {
    const auto& t = GetParam();
    const float ref = knobPointAngle(px(t.fromDeg), py(t.fromDeg), kSize, kSize);
    const float a = knobPointAngle(px(t.toDeg), py(t.toDeg), kSize, kSize);
    EXPECT_EQ(knobStepDirection(a, ref), t.direction);
}

INSTANTIATE_TEST_SUITE_P(Table, KnobStepDirection,
                         testing::Values(KnobTurn{"Clockwise11", 60, 49, 0},
                                         KnobTurn{"CounterClockwise11", 60, 71, 0},
                                         KnobTurn{"Clockwise12", 60, 47.9, +1},
                                         KnobTurn{"CounterClockwise12", 60, 72.1, -1},
                                         KnobTurn{"ClockwiseAt3", 5, -8, +1},
                                         KnobTurn{"AcrossNineDownwards", 175, 185, -1},
                                         KnobTurn{"AcrossNineDownwardsSmall", 179, 181, -1},
                                         KnobTurn{"AcrossNineUpwards", 185, 175, +1},
                                         KnobTurn{"ClockwiseBelow", -100, -120, +1},
                                         KnobTurn{"CounterClockwiseBelow", -120, -100, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Wheel, ForwardTurnsTheMarkCounterClockwiseAndSendsPlusTwo) {
    EXPECT_EQ(wheelStep(120), 2);
    EXPECT_EQ(wheelStep(-120), -2);
    EXPECT_EQ(wheelStep(0), -2);
    EXPECT_FLOAT_EQ(wheelMarkAngle(kKnobStartAngle, 120), kKnobStartAngle + kPi / 20);
    EXPECT_FLOAT_EQ(wheelMarkAngle(kKnobStartAngle, -120), kKnobStartAngle - kPi / 20);
}

} // namespace
