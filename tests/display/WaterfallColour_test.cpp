#include "display/spectrum/WaterfallColour.h"

#include <gtest/gtest.h>

using namespace talix::display;

namespace {

struct RampCase {
    int v;
    WaterfallRgb rgb;
};

class Ramp : public ::testing::TestWithParam<RampCase> {};

TEST_P(Ramp, Colour) {
    EXPECT_EQ(waterfallRamp(GetParam().v), GetParam().rgb) << GetParam().v;
}

INSTANTIATE_TEST_SUITE_P(Values, Ramp,
                         ::testing::Values(RampCase{0, {0, 0, 255}}, RampCase{40, {0, 127, 255}},
                                           RampCase{80, {0, 255, 255}}, RampCase{81, {0, 255, 251}},
                                           RampCase{160, {0, 255, 0}}, RampCase{161, {0, 255, 0}},
                                           RampCase{240, {251, 255, 0}},
                                           RampCase{241, {255, 251, 0}}, RampCase{320, {255, 0, 0}},
                                           // above the display: stays red
                                           RampCase{321, {255, 0, 0}}, RampCase{511, {255, 0, 0}}));

struct WindowCase {
    int v;
    int low;
    int high;
    WaterfallRgb rgb;
    const char* what;
};

class Window : public ::testing::TestWithParam<WindowCase> {};

TEST_P(Window, Colour) {
    const WindowCase c = GetParam();
    EXPECT_EQ(waterfallColour(c.v, c.low, c.high), c.rgb) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Values, Window,
    ::testing::Values(WindowCase{10, 5, 70, {0, 0, 0}, "v div 2 = low: black"},
                      WindowCase{11, 5, 70, {0, 0, 0}, "v div 2 = 5 still black"},
                      WindowCase{0, 5, 70, {0, 0, 0}, "zero"},
                      WindowCase{140, 5, 70, {0, 255, 63}, "v div 2 = high: full ramp colour"},
                      WindowCase{320, 5, 70, {255, 0, 0}, "top: full"},
                      // ramp(75) = (0, 239, 255), scaled by 32/65
                      WindowCase{
                          75, 5, 70, {0, 239 * 32 / 65, 255 * 32 / 65}, "v div 2 = 37: 32/65"},
                      WindowCase{12, 5, 70, {0, 38 * 1 / 65, 255 * 1 / 65}, "first step above low"},
                      WindowCase{12, 6, 6, {0, 0, 0}, "empty window: black at low"},
                      WindowCase{14, 6, 6, {0, 44, 255}, "empty window: full above low"},
                      WindowCase{14, 6, 2, {0, 44, 255}, "inverted window: full above low"},
                      WindowCase{10, 6, 2, {0, 0, 0}, "inverted window: black at or below low"},
                      WindowCase{400, 5, 70, {255, 0, 0}, "above the display: red"}));

TEST(WaterfallPalette, MatchesTheColourOfEveryValue) {
    WaterfallPalette p;
    p.setWindow(20, 90);
    for (int v = 0; v <= 511; ++v) {
        const WaterfallRgb c = waterfallColour(v, 20, 90);
        ASSERT_EQ(p[uint16_t(v)], qRgb(c.red, c.green, c.blue)) << v;
    }
    p.setWindow(5, 5);
    EXPECT_EQ(p[12], qRgb(0, 38, 255));
}

} // namespace
