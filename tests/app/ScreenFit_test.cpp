#include "app/ScreenFit.h"

#include <gtest/gtest.h>

using talix::app::fittedScale;

namespace {

struct Screen {
    const char* name;
    QSize size;
    bool windowed;
    double scale;
};

class ScreenFit : public ::testing::TestWithParam<Screen> {};

TEST_P(ScreenFit, ScalesTheLayoutToFit) {
    const Screen& s = GetParam();
    const double scale = fittedScale(s.size, s.windowed);
    EXPECT_DOUBLE_EQ(scale, s.scale);
    // The scaled layout, with a window's frame, fits the screen.
    const int frameWidth = s.windowed ? 16 : 0;
    const int frameHeight = s.windowed ? 48 : 0;
    if (scale > 0.25 && !s.size.isEmpty()) {
        EXPECT_LE(1920 * scale + frameWidth, s.size.width() + 1e-9);
        EXPECT_LE(1200 * scale + frameHeight, s.size.height() + 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScreenFit,
    ::testing::Values(
        Screen{"HandheldFullScreen", {1920, 1200}, false, 1.0},
        Screen{"FullHdFullScreen", {1920, 1080}, false, 0.9},
        Screen{"SmallPanelFullScreen", {1280, 800}, false, 2.0 / 3.0},
        Screen{"FourKFullScreen", {3840, 2400}, false, 2.0},
        Screen{"FullHdDesktopWithPanel", {1920, 1040}, true, 0.8},
        Screen{"HandheldSizedDesktop", {1920, 1200}, true, 0.95},
        Screen{"LaptopDesktop", {1366, 736}, true, 0.55},
        Screen{"FourKDesktop", {3840, 2112}, true, 1.7},
        Screen{"WideDesktop", {5120, 1400}, true, 1.1},
        Screen{"TinyScreenStopsAtAQuarter", {320, 240}, false, 0.25},
        Screen{"HugeScreenStopsAtFour", {16000, 10000}, false, 4.0},
        Screen{"NoScreenSizeLeavesItAlone", {0, 0}, true, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
