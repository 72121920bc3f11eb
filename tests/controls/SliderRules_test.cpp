#include "controls/SliderRules.h"

#include <gtest/gtest.h>

using namespace talix::controls;

namespace {

struct Ordering {
    const char* name;
    WaterfallRange before;
    bool highMoved;
    WaterfallRange after;
};

class WaterfallOrdering : public testing::TestWithParam<Ordering> {};

TEST_P(WaterfallOrdering, TheMovedEndGivesWay) {
    const auto r = orderWaterfallRange(GetParam().before, GetParam().highMoved);
    EXPECT_EQ(r.high, GetParam().after.high);
    EXPECT_EQ(r.low, GetParam().after.low);
}

INSTANTIATE_TEST_SUITE_P(Table, WaterfallOrdering,
                         testing::Values(Ordering{"HighDownToLow", {5, 5}, true, {6, 5}},
                                         Ordering{"HighBelowLow", {3, 5}, true, {6, 5}},
                                         Ordering{"HighAboveLow", {70, 5}, true, {70, 5}},
                                         Ordering{"LowUpToHigh", {70, 70}, false, {70, 69}},
                                         Ordering{"LowAboveHigh", {70, 90}, false, {70, 69}},
                                         Ordering{"LowBelowHigh", {70, 60}, false, {70, 60}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Att {
    int position;
    int32_t freq;
    int snapped;
};

class AttenuatorSnap : public testing::TestWithParam<Att> {};

TEST_P(AttenuatorSnap, ZeroOrTwentyAbove174MHz) {
    EXPECT_EQ(snapAttenuator(GetParam().position, GetParam().freq), GetParam().snapped);
}

INSTANTIATE_TEST_SUITE_P(Table, AttenuatorSnap,
                         testing::Values(Att{7, 2'000'000'000, 0}, Att{12, 2'000'000'000, 20},
                                         Att{10, 1'740'000'000, 20}, Att{9, 1'740'000'000, 0},
                                         Att{7, 1'739'999'999, 7}, Att{35, 140'000'000, 35}));

} // namespace
