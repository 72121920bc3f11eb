#include "display/readouts/KnobMark.h"

#include <gtest/gtest.h>
#include <numbers>

using namespace talix::display;

namespace {

struct AngleCase {
    const char* name;
    double angle;
    double x, y;
};

class KnobMarkPlace : public ::testing::TestWithParam<AngleCase> {};

TEST_P(KnobMarkPlace, RunsOnACircleInsideTheKnob) {
    const QRectF r = knobMarkRect(kKnobRect, kKnobMarkSize, GetParam().angle);
    EXPECT_NEAR(r.x(), GetParam().x, 1e-9);
    EXPECT_NEAR(r.y(), GetParam().y, 1e-9);
    EXPECT_EQ(r.size(), kKnobMarkSize);
}

constexpr double kPi = std::numbers::pi;

// Knob (1560, 847, 348 x 348), mark 73 x 74: centre offsets 137.5 and 137.
INSTANTIATE_TEST_SUITE_P(
    Table, KnobMarkPlace,
    ::testing::Values(AngleCase{"bottom_at_start", 3 * kPi / 2, 1697.5, 1121},
                      AngleCase{"right", 0, 1835, 984}, AngleCase{"top", kPi / 2, 1697.5, 847},
                      AngleCase{"left", kPi, 1560, 984},
                      AngleCase{"upper_right", kPi / 4, 1697.5 + 137.5 * std::numbers::sqrt2 / 2,
                                984 - 137 * std::numbers::sqrt2 / 2},
                      AngleCase{"negative_equals_positive", -kPi / 2, 1697.5, 1121}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KnobMark, BottomAtStartTouchesTheKnobsLowerEdge) {
    const QRectF r = knobMarkRect(kKnobRect, kKnobMarkSize, kKnobStartAngle);
    EXPECT_NEAR(r.bottom(), kKnobRect.bottom(), 1e-4);
}

} // namespace
