#include "controls/StepDigit.h"

#include <gtest/gtest.h>

using namespace talix::controls;

namespace {

struct Position {
    double x;
    int digit;
};

class DigitAtPosition : public testing::TestWithParam<Position> {};

TEST_P(DigitAtPosition, NineAndAHalfCellsSkippingTheSeparators) {
    EXPECT_EQ(digitAtPosition(GetParam().x), GetParam().digit);
}

// A cell is 248 / 9 = 27.56 pixels wide; c = trunc(10 - x / cell). Positions are cell middles.
INSTANTIATE_TEST_SUITE_P(Table, DigitAtPosition,
                         testing::Values(Position{0, 6}, Position{13.8, 6}, Position{41.3, 6},
                                         Position{68.9, 5}, Position{96.4, 4}, Position{124, 3},
                                         Position{151.6, 3}, Position{179.1, 2}, Position{206.7, 1},
                                         Position{234.2, 0}, Position{261.8, 0}, Position{296, 0},
                                         Position{-50, 6}));

struct Triangle {
    int digit;
    double left; // x of the first corner
};

class DigitTriangle : public testing::TestWithParam<Triangle> {};

TEST_P(DigitTriangle, PointsUpAtTheDigit) {
    const auto t = digitTriangle(GetParam().digit, 297, 65);
    EXPECT_DOUBLE_EQ(t[0].x, GetParam().left);
    EXPECT_DOUBLE_EQ(t[0].y, 64.5);
    EXPECT_DOUBLE_EQ(t[1].x, GetParam().left + 70);
    EXPECT_DOUBLE_EQ(t[1].y, 64.5);
    EXPECT_DOUBLE_EQ(t[2].x, GetParam().left + 35);
    EXPECT_DOUBLE_EQ(t[2].y, 14.5);
}

// b = trunc(248 * d / 9.5), then + 26.1 (truncated) from digit 1 and again from digit 4.
INSTANTIATE_TEST_SUITE_P(Table, DigitTriangle,
                         testing::Values(Triangle{0, 219.5}, Triangle{1, 297 - 77.5 - 52},
                                         Triangle{2, 297 - 77.5 - 78},
                                         Triangle{3, 297 - 77.5 - 104},
                                         Triangle{4, 297 - 77.5 - 156},
                                         Triangle{6, 297 - 77.5 - 208},
                                         Triangle{99, 297 - 77.5 - 208}, Triangle{-3, 219.5}));

} // namespace
