#include "display/spectrum/SpectrumDisplay.h"
#include "display/support/SpectrumLines.h"

#include <gtest/gtest.h>

using namespace talix::display;
using namespace talix::display::testing;

namespace {

constexpr uint32_t kGridFollows = 1u << 31;
constexpr QRgb kBlack = 0xFF000000;

uint32_t divider(int d) {
    return uint32_t(d) << 29;
}

SpectrumRepaint draw(SpectrumDisplay& d, uint16_t value, const SpectrumSettings& s) {
    const LineBytes bytes = packLine(flatBins(value));
    return d.DrawSpectrumLine(bytes, s);
}

QRect bounds(const std::vector<QRect>& rects) {
    QRect b;
    for (const QRect& r : rects)
        b = b.united(r);
    return b;
}

// Row of the highest pixel of the trace's outline.
int traceTop(const SpectrumDisplay& d) {
    return bounds(d.trace().outside.outline).top();
}

TEST(SpectrumDisplay, DividerZeroDrawsEveryLine) {
    SpectrumDisplay d;
    SpectrumSettings s;
    s.passbandLo = s.passbandHi = 2000;
    for (uint16_t v : {10, 200, 30}) {
        const SpectrumRepaint r = draw(d, v, s);
        EXPECT_TRUE(r.spectrum);
        EXPECT_EQ(traceTop(d), 320 - v);
    }
}

TEST(SpectrumDisplay, DividerThreeDrawsTheMeanOfFourLines) {
    SpectrumDisplay d;
    SpectrumSettings s;
    s.settingsWord = divider(3);
    s.passbandLo = s.passbandHi = 2000;
    s.wfTimeUnit = 1;
    EXPECT_FALSE(draw(d, 100, s).spectrum);
    EXPECT_FALSE(draw(d, 200, s).spectrum);
    const SpectrumRepaint r3 = draw(d, 300, s);
    EXPECT_FALSE(r3.spectrum);
    EXPECT_FALSE(r3.waterfall);
    const SpectrumRepaint r4 = draw(d, 3, s);
    EXPECT_TRUE(r4.spectrum);
    EXPECT_TRUE(r4.waterfall);
    EXPECT_EQ(traceTop(d), 320 - 150); // 603 / 4
}

TEST(SpectrumDisplay, WaterfallAdvancesEveryTimeUnitShownLines) {
    SpectrumDisplay d;
    SpectrumSettings s; // WfTimeUnit 16, window 5..70
    for (int k = 1; k < 16; ++k)
        ASSERT_FALSE(draw(d, 140, s).waterfall) << k;
    EXPECT_EQ(d.waterfall().pixel(10, 0), kBlack);
    ASSERT_TRUE(draw(d, 140, s).waterfall);
    EXPECT_EQ(d.waterfall().pixel(10, 0), qRgb(0, 255, 63));

    s.wfTimeUnit = 2;
    s.settingsWord = divider(1);
    int advances = 0;
    for (int k = 0; k < 8; ++k)
        advances += draw(d, 10, s).waterfall;
    EXPECT_EQ(advances, 2) << "8 frames, 4 shown lines, one row per 2";
}

TEST(SpectrumDisplay, TimeUnitZeroAdvancesWithEveryShownLine) {
    SpectrumDisplay d;
    SpectrumSettings s;
    s.wfTimeUnit = 0;
    EXPECT_TRUE(draw(d, 10, s).waterfall);
    EXPECT_TRUE(draw(d, 10, s).waterfall);
}

TEST(SpectrumDisplay, BrightnessWindowColoursTheRow) {
    SpectrumDisplay d;
    SpectrumSettings s;
    s.wfTimeUnit = 1;
    s.waterfallLow = 5;
    s.waterfallHigh = 70;
    draw(d, 10, s);
    EXPECT_EQ(d.waterfall().pixel(0, 0), kBlack);
    draw(d, 75, s);
    EXPECT_EQ(d.waterfall().pixel(0, 0), qRgb(0, 239 * 32 / 65, 255 * 32 / 65));
    s.waterfallLow = s.waterfallHigh = 30; // an empty window is a step
    draw(d, 75, s);
    EXPECT_EQ(d.waterfall().pixel(0, 0), qRgb(0, 239, 255));
}

SpectrumSettings lsbAt160(bool gridFollows) {
    SpectrumSettings s;
    s.binHz = 160;
    s.modeIndex = 2;
    s.audioResolution = 4;
    s.settingsWord = gridFollows ? kGridFollows : 0;
    s.passbandLo = 10;
    s.passbandHi = 20;
    s.wfTimeUnit = 1;
    return s;
}

TEST(SpectrumDisplay, TraceAndRowMoveWhenTheGridStays) {
    SpectrumDisplay d;
    const SpectrumSettings s = lsbAt160(false);
    const SpectrumRepaint g = d.RebuildGrid(s);
    EXPECT_TRUE(g.ticks);
    EXPECT_FLOAT_EQ(d.gridOffset(), -94.5f);
    draw(d, 140, s);
    EXPECT_EQ(bounds(d.trace().outside.outline).left(), 96);
    EXPECT_EQ(bounds(d.trace().outside.outline).right(), 1024);
    EXPECT_EQ(bounds(d.trace().inside.outline).left(), 106);
    EXPECT_EQ(d.waterfall().pixel(95, 0), kBlack);
    EXPECT_EQ(d.waterfall().pixel(96, 0), qRgb(0, 255, 63));
}

TEST(SpectrumDisplay, GridMovesWhenItFollowsThePassband) {
    SpectrumDisplay d;
    const SpectrumSettings s = lsbAt160(true);
    d.RebuildGrid(s);
    draw(d, 140, s);
    EXPECT_EQ(bounds(d.trace().outside.outline).left(), 0);
    EXPECT_EQ(d.waterfall().pixel(0, 0), qRgb(0, 255, 63));
    EXPECT_EQ(d.grid().gridPath.boundingRect().left(), 1.5); // horizontal lines
}

TEST(SpectrumDisplay, MarkerAndThreshold) {
    SpectrumDisplay d;
    SpectrumSettings s = lsbAt160(false);
    d.RebuildGrid(s);
    s.markerLo = 100;
    s.markerHi = 110;
    const uint32_t before = d.gridGeneration();
    EXPECT_TRUE(d.RebuildMarkerPath(s).spectrum);
    EXPECT_NE(d.gridGeneration(), before);
    EXPECT_EQ(d.markerPath().boundingRect(), QRectF(196.5, 0.5, 10, 320));

    s.threshold = 200;
    s.topLevel = 190;
    s.dbPerDiv = 10;
    EXPECT_TRUE(d.PlaceThresholdLine(s).spectrum);
    EXPECT_EQ(d.thresholdRow(), 80);
    s.dbPerDiv = 0;
    d.PlaceThresholdLine(s);
    EXPECT_EQ(d.thresholdRow(), 0);
}

TEST(SpectrumDisplay, ShiftBeyondThePanelDrawsNoBins) {
    SpectrumDisplay d;
    SpectrumSettings s;
    s.binHz = 160;
    s.modeIndex = 41;
    s.wfTimeUnit = 1;
    s.bandwidth = 65535; // DIGI: GridOffset about -1047, the trace would start past the panel
    d.RebuildGrid(s);
    const SpectrumRepaint r = draw(d, 300, s);
    EXPECT_TRUE(r.spectrum);
    EXPECT_TRUE(d.trace().outside.fill.empty());
    for (const QRect& r : d.trace().outside.outline)
        EXPECT_EQ(r.top(), 320) << "the bottom row at most";
    EXPECT_EQ(d.waterfall().pixel(1023, 0), kBlack);
}

} // namespace
