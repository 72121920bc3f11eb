#include "display/spectrum/SpectrumTrace.h"
#include "display/support/SpectrumLines.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
#include <utility>
#include <vector>

using namespace talix::display;
using namespace talix::display::testing;

namespace {

using Pixels = std::set<std::pair<int, int>>; // (x, y)

Pixels pixels(const std::vector<QRect>& rects) {
    Pixels s;
    for (const QRect& r : rects)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                s.insert({x, y});
    return s;
}

long area(const std::vector<QRect>& rects) {
    long a = 0;
    for (const QRect& r : rects)
        a += long(r.width()) * r.height();
    return a;
}

QRect bounds(const std::vector<QRect>& rects) {
    QRect b;
    for (const QRect& r : rects)
        b = b.united(r);
    return b;
}

// Pixels of a few rectangles given as (left, top, right, bottom), both ends included.
Pixels expected(std::initializer_list<std::array<int, 4>> rects) {
    std::vector<QRect> v;
    for (const auto& r : rects)
        v.emplace_back(QPoint(r[0], r[1]), QPoint(r[2], r[3]));
    return pixels(v);
}

TEST(SpectrumTrace, ZeroLineLeavesOutlinesAlongTheBottomRow) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(0), 400, 600, 0, t);
    EXPECT_TRUE(t.outside.fill.empty());
    EXPECT_TRUE(t.inside.fill.empty());
    EXPECT_EQ(pixels(t.outside.outline), expected({{0, 320, 400, 320}, {600, 320, 1024, 320}}));
    EXPECT_EQ(pixels(t.inside.outline), expected({{400, 320, 600, 320}}));
}

TEST(SpectrumTrace, StepsAndPassbandEdges) {
    SpectrumBins v{};
    v[0] = 10;
    v[1] = 20;
    v[2] = 5;
    v[3] = 5;
    v[4] = 30;
    SpectrumTrace t;
    buildSpectrumTrace(v, 2, 4, 0, t);

    EXPECT_EQ(pixels(t.inside.outline), expected({
                                            {2, 300, 2, 320}, // up to bin 1's height, down to 5
                                            {2, 315, 4, 315}, // bins 2 and 3
                                            {4, 315, 4, 320}, // down at the passband end
                                            {2, 320, 4, 320}, // closed along the bottom
                                        }));
    EXPECT_EQ(pixels(t.inside.fill), expected({{2, 315, 3, 319}}));

    EXPECT_EQ(pixels(t.outside.outline), expected({
                                             {0, 320, 2, 320},   // passband start back to 0
                                             {1, 310, 1, 320},   // bin 0 up to 10
                                             {1, 310, 2, 310},   // bin 1 at 10
                                             {2, 300, 2, 320},   // up to 20, down at the passband
                                             {4, 315, 4, 320},   // restart at bin 3's height
                                             {4, 315, 5, 315},   // bin 4 at 5
                                             {5, 290, 5, 320},   // up to 30, down to 0
                                             {4, 320, 1024, 320} // zeros, closed to the restart
                                         }));
    EXPECT_EQ(pixels(t.outside.fill), expected({{1, 310, 1, 319}, {4, 315, 4, 319}}));
}

TEST(SpectrumTrace, EmptyPassbandDrawsEverythingOutside) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(100), 500, 500, 0, t);
    EXPECT_TRUE(t.inside.outline.empty()) << "no inside trace";
    EXPECT_TRUE(t.inside.fill.empty());
    EXPECT_EQ(pixels(t.outside.fill), expected({{1, 220, 1023, 319}}));
    EXPECT_EQ(bounds(t.outside.outline), QRect(0, 220, 1025, 101));
}

TEST(SpectrumTrace, PassbandBeyondTheLineDrawsEverythingOutside) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(50), 2000, 3000, 0, t);
    EXPECT_TRUE(t.inside.fill.empty());
    EXPECT_EQ(pixels(t.outside.fill), expected({{1, 270, 1023, 319}}));
    // The outline starts at the passband's place, off the panel on the bottom row.
    EXPECT_EQ(bounds(t.outside.outline), QRect(QPoint(0, 270), QPoint(2000, 320)));
}

TEST(SpectrumTrace, HighBinsReachAboveThePanel) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(511), 0, 1024, 0, t);
    EXPECT_EQ(pixels(t.inside.fill), expected({{1, 320 - 511, 1023, 319}}));
    EXPECT_TRUE(t.outside.fill.empty());
}

TEST(SpectrumTrace, ShiftMovesTheTraceAndDropsBinsPastTheRightEdge) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(40), 100, 200, 96, t);
    EXPECT_EQ(bounds(t.outside.outline), QRect(QPoint(96, 280), QPoint(1024, 320)));
    EXPECT_EQ(pixels(t.outside.fill), expected({{97, 280, 195, 319}, {296, 280, 1023, 319}}));
    EXPECT_EQ(pixels(t.inside.fill), expected({{196, 280, 295, 319}}));
}

TEST(SpectrumTrace, FractionalShiftRoundsToTheMarksColumn) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(40), 100, 200, 1.6, t); // marks at x + 2.1
    EXPECT_EQ(pixels(t.inside.fill), expected({{102, 280, 201, 319}}));
}

TEST(SpectrumTrace, FillIsDisjointAndFollowsTheLowerNeighbour) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> value(0, 511);
    SpectrumBins v;
    for (auto& x : v)
        x = uint16_t(value(rng));
    SpectrumTrace t;
    buildSpectrumTrace(v, 300, 700, 0, t);

    Pixels want;
    int p = 0;
    for (int i = 0; i < kSpectrumBins; ++i) {
        for (int y = 320 - std::min<int>(p, v[i]); y < 320; ++y)
            want.insert({i, y});
        p = v[i];
    }
    Pixels got = pixels(t.outside.fill);
    const Pixels inside = pixels(t.inside.fill);
    EXPECT_EQ(long(got.size()), area(t.outside.fill)) << "outside rectangles overlap";
    EXPECT_EQ(long(inside.size()), area(t.inside.fill)) << "inside rectangles overlap";
    for (const auto& px : inside) {
        EXPECT_GE(px.first, 300);
        EXPECT_LT(px.first, 700);
        got.insert(px);
    }
    EXPECT_EQ(got, want);
    EXPECT_LT(t.outside.fill.size() + t.inside.fill.size(), std::size_t(kSpectrumBins));
}

struct CountCase {
    double shift;
    int bins;
};

class BinCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(BinCount, Bins) {
    EXPECT_EQ(shownBinCount(GetParam().shift), GetParam().bins);
}

INSTANTIATE_TEST_SUITE_P(Table, BinCount,
                         ::testing::Values(CountCase{0, 1024}, CountCase{-30.5, 1024},
                                           CountCase{96, 928}, CountCase{96.5, 927},
                                           CountCase{1023.9, 0}, CountCase{1048.5, 0}));

} // namespace
