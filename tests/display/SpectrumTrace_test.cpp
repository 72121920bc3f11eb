#include "display/SpectrumTrace.h"
#include "display/support/SpectrumLines.h"

#include <gtest/gtest.h>
#include <vector>

using namespace talix::display;
using namespace talix::display::testing;

namespace {

struct Point {
    double x;
    double y;
    bool move = false;
    bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Point& p) {
    return os << (p.move ? "M(" : "L(") << p.x << ", " << p.y << ")";
}

std::vector<Point> points(const QPainterPath& path) {
    std::vector<Point> v;
    for (int i = 0; i < path.elementCount(); ++i) {
        const auto e = path.elementAt(i);
        v.push_back({e.x, e.y, e.isMoveTo()});
    }
    return v;
}

// Subpaths end where they began, so a fill of them is the closed outline.
void expectClosed(const QPainterPath& path) {
    const std::vector<Point> p = points(path);
    ASSERT_FALSE(p.empty());
    Point start = p[0];
    for (std::size_t i = 1; i <= p.size(); ++i) {
        if (i == p.size() || p[i].move) {
            EXPECT_EQ(p[i - 1].x, start.x);
            EXPECT_EQ(p[i - 1].y, start.y);
            if (i < p.size())
                start = p[i];
        }
    }
}

TEST(SpectrumTrace, ZeroLineLeavesClosedOutlinesAlongTheBottom) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(0), 400, 600, 0, t);
    for (const QPainterPath* path : {&t.outsidePath, &t.insidePath}) {
        for (const Point& p : points(*path))
            ASSERT_EQ(p.y, kBottomY) << p;
        expectClosed(*path);
    }
    EXPECT_EQ(t.outsidePath.boundingRect(), QRectF(0.5, kBottomY, 1024, 0));
    EXPECT_EQ(t.insidePath.boundingRect(), QRectF(400.5, kBottomY, 200, 0));
}

TEST(SpectrumTrace, EmptyPassbandDrawsEverythingOutside) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(100), 500, 500, 0, t);
    EXPECT_EQ(t.insidePath.boundingRect().height(), 0) << "no inside trace";
    EXPECT_EQ(t.outsidePath.boundingRect(), QRectF(0.5, kBottomY - 100, 1024, 100));
}

TEST(SpectrumTrace, PassbandBeyondTheLineDrawsEverythingOutside) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(50), 2000, 3000, 0, t);
    EXPECT_EQ(t.insidePath.boundingRect().height(), 0);
    // The path starts at the passband's place, off the panel on the bottom line.
    EXPECT_EQ(t.outsidePath.boundingRect(), QRectF(0.5, kBottomY - 50, 2000, 50));
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

    const std::vector<Point> inside = points(t.insidePath);
    const std::vector<Point> expectInside = {
        {2.5, 320.5, true}, {2.5, 300.5},  // up to the height of bin 1
        {2.5, 315.5},       {3.5, 315.5},  // bin 2 lower: down, then across
        {4.5, 315.5},                      // bin 3 equal: across
        {4.5, 320.5},       {2.5, 320.5}}; // down at the passband end, closed
    EXPECT_EQ(inside, expectInside);

    const std::vector<Point> outside = points(t.outsidePath);
    const std::vector<Point> expectHead = {
        {2.5, 320.5, true}, {0.5, 320.5},                // start at the passband, back to 0.5
        {1.5, 320.5},       {1.5, 310.5},                // bin 0 higher: across, then up
        {2.5, 310.5},       {2.5, 300.5},                // bin 1 higher
        {2.5, 320.5},                                    // down at the passband start
        {4.5, 320.5, true}, {4.5, 315.5},                // restart after it at bin 3's height
        {5.5, 315.5},       {5.5, 290.5},                // bin 4
        {5.5, 320.5},       {6.5, 320.5}, {7.5, 320.5}}; // bin 5 lower, then zeros
    ASSERT_GT(outside.size(), expectHead.size());
    EXPECT_EQ(std::vector<Point>(outside.begin(), outside.begin() + expectHead.size()), expectHead);
    EXPECT_EQ(outside[outside.size() - 2], (Point{1024.5, 320.5}));
    EXPECT_EQ(outside.back(), (Point{4.5, 320.5})) << "closed back to the restart";
}

TEST(SpectrumTrace, HighBinsLieAboveThePanel) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(511), 0, 1024, 0, t);
    EXPECT_EQ(t.insidePath.boundingRect(), QRectF(0.5, kBottomY - 511, 1024, 511));
}

TEST(SpectrumTrace, ShiftMovesTheTraceAndDropsBinsPastTheRightEdge) {
    SpectrumTrace t;
    buildSpectrumTrace(flatBins(40), 100, 200, 96, t);
    EXPECT_EQ(t.outsidePath.boundingRect(), QRectF(96.5, kBottomY - 40, 928, 40));
    EXPECT_EQ(t.insidePath.boundingRect(), QRectF(196.5, kBottomY - 40, 100, 40));
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
