#include "display/spectrum/SpectrumGrid.h"

#include <gtest/gtest.h>
#include <vector>

using namespace talix::display;

namespace {

constexpr uint32_t kGridFollows = 1u << 31;

struct OffsetCase {
    int mode;
    int resolution;
    int bandwidth;
    int32_t tuned;
    float binHz;
    float offset;
};

class Offset : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(Offset, ByModeAt160HzBins) {
    const OffsetCase c = GetParam();
    SpectrumSettings s;
    s.modeIndex = uint8_t(c.mode);
    s.audioResolution = c.resolution;
    s.bandwidth = uint16_t(c.bandwidth);
    s.tunedFreq = c.tuned;
    s.binHz = c.binHz;
    EXPECT_FLOAT_EQ(gridOffsetFor(s), c.offset)
        << "mode " << c.mode << " a " << c.resolution << " b " << c.bandwidth;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Offset,
    ::testing::Values(
        OffsetCase{2, 4, 0, 0, 80.0f, 1.5f},  // other bin widths: no offset
        OffsetCase{3, 0, 0, 0, 320.0f, 1.5f}, //
        OffsetCase{0, 4, 0, 0, 160, -110.5f}, OffsetCase{0, 8, 0, 0, 160, -94.5f},
        OffsetCase{1, 2, 0, 0, 160, -62.5f}, OffsetCase{2, 4, 0, 0, 160, -94.5f},
        OffsetCase{2, 8, 0, 0, 160, -62.5f}, OffsetCase{2, 2, 0, 0, 160, 1.5f},
        OffsetCase{3, 4, 0, 0, 160, -126.5f}, OffsetCase{6, 8, 0, 0, 160, -126.5f},
        OffsetCase{5, 4, 0, 100'000'000, 160, -126.5f},
        OffsetCase{5, 4, 0, 99'999'999, 160, -94.5f}, OffsetCase{5, 8, 0, 0, 160, -62.5f},
        OffsetCase{5, 1, 0, 0, 160, 1.5f}, OffsetCase{7, 0, 5999, 0, 160, -14.5f},
        OffsetCase{10, 0, 6000, 0, 160, -30.5f}, OffsetCase{11, 0, 11999, 0, 160, -30.5f},
        OffsetCase{7, 0, 12000, 0, 160, -62.5f}, OffsetCase{9, 0, 2999, 0, 160, -15.5f}, // -8 - 9
        OffsetCase{9, 0, 3000, 0, 160, -23.5f},                                          // -16 - 9
        OffsetCase{9, 0, 6400, 0, 160, -50.5f},                                          // -32 - 20
        OffsetCase{25, 0, 2999, 0, 160, 2.5f},                                           // -8 + 9
        OffsetCase{25, 0, 6400, 0, 160, -10.5f},                                         // -32 + 20
        OffsetCase{41, 0, 2500, 0, 160, -38.5f}, // -2500 / 62.5
        OffsetCase{41, 0, 100, 0, 160, -0.1f},   // -1.6
        OffsetCase{4, 4, 9000, 0, 160, 1.5f},    // EUSB: none
        OffsetCase{8, 4, 9000, 0, 160, 1.5f}));  // FM-W: none

// x of every vertical line (a move followed by a line at the same x) of a path.
std::vector<double> verticals(const QPainterPath& p) {
    std::vector<double> xs;
    for (int i = 0; i + 1 < p.elementCount(); ++i) {
        const auto a = p.elementAt(i);
        const auto b = p.elementAt(i + 1);
        if (a.isMoveTo() && b.isLineTo() && a.x == b.x)
            xs.push_back(a.x);
    }
    return xs;
}

std::vector<double> horizontals(const QPainterPath& p) {
    std::vector<double> ys;
    for (int i = 0; i + 1 < p.elementCount(); ++i) {
        const auto a = p.elementAt(i);
        const auto b = p.elementAt(i + 1);
        if (a.isMoveTo() && b.isLineTo() && a.y == b.y) {
            EXPECT_EQ(a.x, 1.5);
            EXPECT_EQ(b.x, 1024.5);
            ys.push_back(a.y);
        }
    }
    return ys;
}

std::vector<double> series(double first, double step, int count) {
    std::vector<double> v;
    for (int k = 0; k < count; ++k)
        v.push_back(first + step * k);
    return v;
}

SpectrumSettings lsbAt160(bool gridFollows) {
    SpectrumSettings s;
    s.binHz = 160;
    s.modeIndex = 2;
    s.audioResolution = 4;
    s.settingsWord = gridFollows ? kGridFollows : 0;
    return s;
}

TEST(SpectrumGrid, LsbGridFollowsThePassband) {
    const SpectrumGrid g = buildSpectrumGrid(lsbAt160(true));
    EXPECT_FLOAT_EQ(g.gridOffset, -94.5f);
    EXPECT_EQ(verticals(g.gridPath), series(33.5, 64, 16)); // 33.5 .. 993.5
    EXPECT_EQ(horizontals(g.gridPath), series(41.5, 40, 7));
    EXPECT_EQ(verticals(g.tickPathEven), series(33.5, 128, 8));
    EXPECT_EQ(verticals(g.tickPathOdd), series(-30.5, 128, 9)); // -30.5 .. 993.5
    EXPECT_EQ(traceShift(lsbAt160(true), g.gridOffset), 0.0);
}

TEST(SpectrumGrid, LsbGridStaysAndTheTraceMoves) {
    const SpectrumGrid g = buildSpectrumGrid(lsbAt160(false));
    EXPECT_FLOAT_EQ(g.gridOffset, -94.5f) << "GridOffset is kept for the trace and the scales";
    EXPECT_EQ(verticals(g.gridPath), series(65.5, 64, 15)); // 65.5 .. 961.5
    EXPECT_EQ(horizontals(g.gridPath), series(41.5, 40, 7));
    EXPECT_EQ(verticals(g.tickPathEven), series(1.5, 128, 9)); // 1.5 .. 1025.5
    EXPECT_EQ(verticals(g.tickPathOdd), series(65.5, 128, 8));
    EXPECT_EQ(traceShift(lsbAt160(false), g.gridOffset), 96.0);
}

TEST(SpectrumGrid, WideDigitalOffsetLeavesFewLines) {
    SpectrumSettings s;
    s.binHz = 160;
    s.modeIndex = 41;
    s.bandwidth = 65535; // offset about -1047
    s.settingsWord = kGridFollows;
    const SpectrumGrid g = buildSpectrumGrid(s);
    for (double x : verticals(g.gridPath)) {
        EXPECT_GT(x, 2);
        EXPECT_LT(x, 1023);
    }
    EXPECT_LT(traceShift(s, g.gridOffset), 0.1);
}

struct Corner {
    double x;
    double y;
    bool operator==(const Corner&) const = default;
};

std::vector<Corner> corners(const QPainterPath& p) {
    std::vector<Corner> c;
    for (int i = 0; i < p.elementCount(); ++i)
        c.push_back({p.elementAt(i).x, p.elementAt(i).y});
    return c;
}

TEST(SpectrumGrid, MarkerRectangle) {
    SpectrumSettings s = lsbAt160(true);
    s.markerLo = 100;
    s.markerHi = 140;
    const std::vector<Corner> followed = corners(buildMarkerPath(s, -94.5f));
    ASSERT_GE(followed.size(), 4u);
    EXPECT_EQ(std::vector<Corner>(followed.begin(), followed.begin() + 4),
              (std::vector<Corner>{{100.5, 320.5}, {100.5, 0.5}, {140.5, 0.5}, {140.5, 320.5}}));

    s.settingsWord = 0; // the rectangle moves with the trace, 96 pixels right
    const std::vector<Corner> moved = corners(buildMarkerPath(s, -94.5f));
    EXPECT_EQ(std::vector<Corner>(moved.begin(), moved.begin() + 4),
              (std::vector<Corner>{{196.5, 320.5}, {196.5, 0.5}, {236.5, 0.5}, {236.5, 320.5}}));
}

} // namespace
