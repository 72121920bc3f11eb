#include "display/spectrum/TraceExtent.h"

#include <gtest/gtest.h>

using namespace talix::display;

namespace {

SpectrumBins flat(uint16_t value) {
    SpectrumBins v{};
    v.fill(value);
    return v;
}

TraceExtent extentOf(const SpectrumBins& values, int passbandLo = 400, int passbandHi = 600) {
    SpectrumTrace trace;
    buildSpectrumTrace(values, passbandLo, passbandHi, 1, trace);
    return TraceExtent(trace);
}

QRect unite(const std::vector<QRect>& rects) {
    QRect all;
    for (const QRect& r : rects)
        all |= r;
    return all;
}

} // namespace

TEST(TraceExtent, TheSameTraceChangesNothing) {
    SpectrumBins v = flat(50);
    v[700] = 250;
    EXPECT_TRUE(TraceExtent::changedStrips(extentOf(v), extentOf(v), 64).empty());
    EXPECT_TRUE(TraceExtent::changedStrips(TraceExtent(), TraceExtent(), 64).empty());
}

TEST(TraceExtent, OneRisingBinChangesOnlyItsStripBetweenTheOldAndTheNewTop) {
    const SpectrumBins before = flat(50);
    SpectrumBins after = before;
    after[700] = 250; // column 701: rows 70 .. 270 above the noise at row 270
    const std::vector<QRect> strips =
        TraceExtent::changedStrips(extentOf(before), extentOf(after), 64);
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_EQ(strips[0].left(), 640);
    EXPECT_EQ(strips[0].right(), 703);
    EXPECT_EQ(strips[0].top(), 320 - 250);
    // Down to the row above the noise's outline, which both traces share.
    EXPECT_EQ(strips[0].bottom(), 320 - 50 - 1);
}

TEST(TraceExtent, AMovedCarrierLeavesTheRowsAboveTheNoiseAlone) {
    // A carrier's flanks stay where they are; only the noise beside it moved.
    SpectrumBins before = flat(50);
    SpectrumBins after = flat(52);
    before[200] = after[200] = 250;
    const std::vector<QRect> strips =
        TraceExtent::changedStrips(extentOf(before), extentOf(after), 64);
    for (const QRect& r : strips)
        EXPECT_GE(r.top(), 320 - 52) << "strip at column " << r.left();
}

TEST(TraceExtent, ALowerNoiseFloorChangesTheRowsBetweenTheFloors) {
    const std::vector<QRect> strips =
        TraceExtent::changedStrips(extentOf(flat(80)), extentOf(flat(60)), 64);
    ASSERT_EQ(strips.size(), 17u); // every column of the trace
    for (const QRect& r : strips) {
        EXPECT_LE(r.width(), 64);
        EXPECT_EQ(r.top(), 320 - 80);
        // The columns at the passband's edges (401 and 601) hold both parts and are repainted
        // down to the bottom; elsewhere the fill below both floors stays.
        if (r.contains(401, 300) || r.contains(601, 300)) {
            EXPECT_GE(r.bottom(), 319);
        } else {
            // The new outline over the old fill; where the trace's end drops to the bottom row,
            // both outlines cover the new floor.
            EXPECT_GE(r.bottom(), 320 - 60 - 1);
            EXPECT_LE(r.bottom(), 320 - 60);
        }
    }
    EXPECT_EQ(unite(strips).right(), TraceExtent::kColumns - 1);
}

TEST(TraceExtent, SilenceAfterATraceChangesDownToTheBottomRow) {
    const QRect all =
        unite(TraceExtent::changedStrips(extentOf(flat(60)), extentOf(flat(0)), 64));
    EXPECT_EQ(all.top(), 320 - 60);
    EXPECT_GE(all.bottom(), 319); // the fill is gone
}

TEST(TraceExtent, ThePassbandEdgesReachTheBottomRow) {
    SpectrumBins after = flat(60);
    after[399] = 90; // the last bin before the passband, beside its edge's vertical
    const std::vector<QRect> strips =
        TraceExtent::changedStrips(extentOf(flat(60)), extentOf(after), 64);
    ASSERT_FALSE(strips.empty());
    EXPECT_GE(unite(strips).bottom(), 319);
}
