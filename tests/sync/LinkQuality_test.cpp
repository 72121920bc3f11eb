#include "sync/LinkQuality.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace talix::sync;

namespace {

// Feeds `received` frames: all but the last while the counter stays less than 80 counts away,
// the last at `advance` counts, so that exactly one measurement of received / advance is made.
std::optional<LinkQualityReport> measure(LinkQuality& q, uint16_t& counter, int received,
                                         int advance) {
    std::optional<LinkQualityReport> last;
    for (int i = 1; i < received; ++i)
        EXPECT_FALSE(q.frame(uint16_t(counter + std::min(i, 79))).has_value());
    counter = uint16_t(counter + advance);
    return q.frame(counter);
}

struct QualityCase {
    std::string name;
    int received;
    int advance;
    uint32_t percent;
    std::string text;
};

class Quality : public ::testing::TestWithParam<QualityCase> {};

} // namespace

TEST_P(Quality, MeasuresFramesAgainstTheCounter) {
    const QualityCase& c = GetParam();
    LinkQuality q;
    uint16_t counter = 1000;
    q.LinkRef = counter; // a measurement has just been made
    const auto r = measure(q, counter, c.received, c.advance);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->percent, c.percent);
    EXPECT_EQ(r->text.toStdString(), c.text);
    EXPECT_EQ(q.LinkFrames, 0u);
}

INSTANTIATE_TEST_SUITE_P(Figures, Quality,
                         ::testing::Values(QualityCase{"AllFrames", 80, 80, 100, "100%"},
                                           QualityCase{"SeventySixOfEighty", 76, 80, 95, "95%"},
                                           QualityCase{"SeventyFiveOfEighty", 75, 80, 93, "93%"},
                                           QualityCase{"MoreFramesThanCountsIsCapped", 90, 80, 100,
                                                       "100%"},
                                           QualityCase{"HalfTheFrames", 50, 100, 50, "50%"}),
                         [](const auto& info) { return info.param.name; });

TEST(LinkQuality, NoMeasurementBeforeTheCounterMovedEighty) {
    LinkQuality q;
    for (uint16_t c = 1; c < 80; ++c)
        EXPECT_FALSE(q.frame(c).has_value());
    EXPECT_EQ(q.LinkFrames, 79u);
    EXPECT_TRUE(q.frame(80).has_value());
}

TEST(LinkQuality, EleventhGoodMeasurementInARowMakesTheLinkReady) {
    LinkQuality q;
    uint16_t counter = 0;
    for (int m = 1; m <= 10; ++m) {
        const auto r = measure(q, counter, 80, 80);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->circleArgb, kLinkBadArgb) << m;
        EXPECT_EQ(r->stateText, kLinkUnstableText) << m;
    }
    auto r = measure(q, counter, 76, 80);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->circleArgb, kLinkReadyArgb);
    EXPECT_EQ(r->stateText, "WiFi ready!");
    EXPECT_EQ(q.LinkGood, 10);
    r = measure(q, counter, 80, 80);
    EXPECT_EQ(r->stateText, "WiFi ready!");
    // One measurement of 94 % turns it red at once, and the streak starts over.
    r = measure(q, counter, 94, 100);
    EXPECT_EQ(r->percent, 94u);
    EXPECT_EQ(r->circleArgb, 0xFFFF0000u);
    EXPECT_EQ(r->stateText, "WiFi not stable!");
    EXPECT_EQ(q.LinkGood, 0);
    r = measure(q, counter, 80, 80);
    EXPECT_EQ(r->stateText, "WiFi not stable!");
}

TEST(LinkQuality, CounterWrapReadsAsFullDistanceAndShowsZero) {
    LinkQuality q;
    q.LinkRef = 32687;
    for (uint16_t c = 32688; c < 32767; ++c)
        EXPECT_FALSE(q.frame(c).has_value());
    auto r = q.frame(32767); // 80 frames, 80 counts
    ASSERT_TRUE(r);
    EXPECT_EQ(r->text, "100%");
    r = q.frame(uint16_t(-32768)); // the difference reads as 65535
    ASSERT_TRUE(r);
    EXPECT_EQ(r->percent, 0u);
    EXPECT_EQ(r->text, "0%");
    EXPECT_EQ(q.LinkRef, uint16_t(-32768));
}
