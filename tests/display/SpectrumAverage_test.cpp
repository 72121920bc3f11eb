#include "display/spectrum/SpectrumAverage.h"
#include "display/support/SpectrumLines.h"

#include <gtest/gtest.h>

using namespace talix::display;
using namespace talix::display::testing;

namespace {

TEST(SpectrumAverage, DividerZeroShowsEveryLine) {
    SpectrumAverage avg;
    SpectrumBins mean{};
    for (uint16_t v : {7, 300, 0, 511}) {
        ASSERT_TRUE(avg.add(flatBins(v), 0, mean));
        EXPECT_EQ(mean[0], v);
        EXPECT_EQ(mean[1023], v);
        EXPECT_EQ(avg.frameCount(), 0u);
    }
}

TEST(SpectrumAverage, DividerThreeSumsFourLinesAndTruncates) {
    SpectrumAverage avg;
    SpectrumBins mean = flatBins(999);
    // 10 + 20 + 31 + 510 = 571, / 4 = 142 (truncated)
    const uint16_t lines[] = {10, 20, 31, 510};
    for (int k = 0; k < 3; ++k) {
        EXPECT_FALSE(avg.add(flatBins(lines[k]), 3, mean)) << "line " << k;
        EXPECT_EQ(avg.frameCount(), uint32_t(k + 1));
        EXPECT_EQ(mean[0], 999) << "nothing shown while collecting";
    }
    ASSERT_TRUE(avg.add(flatBins(lines[3]), 3, mean));
    EXPECT_EQ(mean[0], 142);
    EXPECT_EQ(mean[512], 142);
    EXPECT_EQ(avg.frameCount(), 0u);

    // The next cycle starts from empty sums: four lines of 4 give 4.
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(avg.add(flatBins(4), 3, mean));
    ASSERT_TRUE(avg.add(flatBins(4), 3, mean));
    EXPECT_EQ(mean[100], 4);
}

TEST(SpectrumAverage, FourFullScaleLinesStay511) {
    SpectrumAverage avg;
    SpectrumBins mean{};
    for (int k = 0; k < 3; ++k)
        avg.add(flatBins(511), 3, mean);
    ASSERT_TRUE(avg.add(flatBins(511), 3, mean));
    EXPECT_EQ(mean[0], 511);
}

TEST(SpectrumAverage, LoweredDividerEndsTheCycleWithTheNextLine) {
    SpectrumAverage avg;
    SpectrumBins mean{};
    EXPECT_FALSE(avg.add(flatBins(30), 3, mean));
    EXPECT_FALSE(avg.add(flatBins(60), 3, mean));
    // Divider now 1: the third line ends the cycle, averaging all three.
    ASSERT_TRUE(avg.add(flatBins(90), 1, mean));
    EXPECT_EQ(mean[0], 60);
}

TEST(SpectrumAverage, PerBinAverage) {
    SpectrumAverage avg;
    SpectrumBins a{}, b{}, mean{};
    a[5] = 100;
    b[5] = 201;
    b[6] = 3;
    EXPECT_FALSE(avg.add(a, 1, mean));
    ASSERT_TRUE(avg.add(b, 1, mean));
    EXPECT_EQ(mean[5], 150);
    EXPECT_EQ(mean[6], 1);
    EXPECT_EQ(mean[7], 0);
}

} // namespace
