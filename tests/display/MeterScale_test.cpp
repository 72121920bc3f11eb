#include "base/Palette.h"
#include "display/MeterScale.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::display;

namespace {

TEST(LevelMarker, XForTheLevelInTenthsOfADb) {
    struct Case {
        int32_t tenths;
        int64_t x;
    };
    for (const Case c :
         {Case{-1200, 54}, Case{0, 294}, Case{-731, 148}, Case{-734, 148}, Case{-735, 147},
          Case{4, 294}, Case{5, 295}, Case{-4, 294}, Case{INT32_MIN, INT32_MIN / 5 + 294},
          Case{INT32_MAX, INT32_MAX / 5 + 294}})
        EXPECT_EQ(levelMarkerX(c.tenths), c.x) << c.tenths;
}

TEST(LevelMarker, MinusOneTwentySitsUnderItsLabel) {
    // The "-120" label is 50 wide at 1364; the marker for -120.0 dB lies inside RPegel at 54.
    const int markerOnWindow = kMeterBox.x + int(levelMarkerX(-1200));
    EXPECT_NEAR(markerOnWindow, kDbmScaleTexts[0].x + kDbmLabelWidth / 2, 2);
    const int zeroOnWindow = kMeterBox.x + int(levelMarkerX(0));
    EXPECT_NEAR(zeroOnWindow, kDbmScaleTexts[3].x + kDbmLabelWidth / 2, 2);
}

TEST(MeterScale, DbmTicksEvery20Db) {
    int previous = -1;
    int count = 0;
    for (const ScaleLine& l : kMeterScaleLines) {
        if (l.horizontal || l.y != kLowerTickTop)
            continue;
        EXPECT_EQ(l.colour, kYellow);
        if (previous >= 0) {
            EXPECT_EQ(l.x - previous, 20 * kMeterPixelsPerDb) << l.name;
        }
        previous = l.x;
        ++count;
    }
    EXPECT_EQ(count, 8);
}

TEST(MeterScale, SUnitTicksTwoSUnitsApart) {
    // 6 dB per S unit, 2 pixels per dB: the white ticks S1, S3, ..., S9 stand 24 pixels apart.
    const char* names[] = {"Line13", "Line14", "Line15", "Line16", "Line17"};
    int previous = -1;
    for (const char* name : names)
        for (const ScaleLine& l : kMeterScaleLines)
            if (std::strcmp(l.name, name) == 0) {
                EXPECT_EQ(l.colour, kWhite);
                if (previous >= 0) {
                    EXPECT_EQ(l.x - previous, 2 * 6 * kMeterPixelsPerDb);
                }
                previous = l.x;
            }
}

} // namespace
