#include "controls/TapTuning.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace talix::controls;

namespace {

TapInputs tuning(int32_t left, float binHz, int32_t step) {
    TapInputs in;
    in.spectrumLeftFreq = left;
    in.binHz = binHz;
    in.tuneStep = step;
    in.touchAction = 3;
    return in;
}

struct Tap {
    const char* name;
    TapInputs in;
    double x;
    std::optional<uint32_t> sent;
};

class TapTune : public testing::TestWithParam<Tap> {};

TEST_P(TapTune, SnappedFrequencyOrNothing) {
    const auto& t = GetParam();
    EXPECT_EQ(tapTuneFrequency(t.in, t.x), t.sent);
}

TapInputs with(TapInputs in, void (*change)(TapInputs&)) {
    change(in);
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TapTune,
    testing::Values(
        Tap{"At14MHz", tuning(140'000'000, 100, 10'000), 512, 140'510'000},
        Tap{"HalfStepBelowRoundsDown", tuning(140'000'000, 100, 10'000), 513.5, 140'510'000},
        Tap{"OverHalfStepRoundsUp", tuning(140'000'000, 100, 10'000), 515.5, 140'520'000},
        Tap{"At40MHzRefused", tuning(400'000'000, 100, 10'000), 0, std::nullopt},
        Tap{"At30MHzSent", tuning(300'000'000, 100, 10'000), 0, 300'000'000},
        Tap{"Channels8333", tuning(1'300'000'000, 100, 83'333), 0, 1'300'000'000},
        Tap{"TouchAction2",
            with(tuning(140'000'000, 100, 10'000), [](TapInputs& i) { i.touchAction = 2; }), 512,
            std::nullopt},
        Tap{"TouchAction1",
            with(tuning(140'000'000, 100, 10'000), [](TapInputs& i) { i.touchAction = 1; }), 512,
            std::nullopt},
        Tap{"TouchAction4",
            with(tuning(140'000'000, 100, 10'000), [](TapInputs& i) { i.touchAction = 4; }), 512,
            140'510'000},
        Tap{"FmWideStereoNarrow",
            with(tuning(1'000'000'000, 100, 10'000),
                 [](TapInputs& i) {
                     i.modeIndex = 8;
                     i.receiverFlags = 0x20;
                 }),
            0, std::nullopt},
        Tap{"FmWideMonoTunes",
            with(tuning(1'000'000'000, 100, 10'000), [](TapInputs& i) { i.modeIndex = 8; }), 0,
            1'000'000'000},
        Tap{"WidestSpanWithoutGrid", tuning(1'000'000'000, 160, 10'000), 0, std::nullopt},
        Tap{"WidestSpanWithGrid",
            with(tuning(1'000'000'000, 160, 10'000),
                 [](TapInputs& i) { i.settingsWord = 0x80000000u; }),
            0, 1'000'000'000},
        Tap{"Band50To71", tuning(700'000'000, 100, 10'000), 0, 700'000'000},
        Tap{"Above71Refused", tuning(720'000'000, 100, 10'000), 0, std::nullopt},
        Tap{"Band87To110", tuning(1'100'000'000, 100, 10'000), 0, 1'100'000'000},
        Tap{"Band130To156", tuning(1'560'000'000, 100, 10'000), 0, 1'560'000'000},
        Tap{"Above156Refused", tuning(1'560'000'000, 100, 10'000), 10, std::nullopt},
        Tap{"NoStepYetUnsnapped", tuning(140'000'000, 100, 0), 512, 140'512'000},
        Tap{"NegativeFrequencyRefused", tuning(-5'000, 1, 10), 0, std::nullopt},
        Tap{"NanBinRefused",
            with(tuning(140'000'000, 100, 10'000),
                 [](TapInputs& i) { i.binHz = std::numeric_limits<float>::quiet_NaN(); }),
            0, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct Snap {
    int64_t p;
    int32_t s;
    int64_t f;
};

class SnapToStep : public testing::TestWithParam<Snap> {};

TEST_P(SnapToStep, NearestMultiple) {
    EXPECT_EQ(snapToStep(GetParam().p, GetParam().s), GetParam().f);
}

INSTANTIATE_TEST_SUITE_P(Table, SnapToStep,
                         testing::Values(Snap{140'512'000, 10'000, 140'510'000},
                                         Snap{140'515'000, 10'000, 140'510'000},
                                         Snap{140'515'001, 10'000, 140'520'000},
                                         Snap{1'300'000'000, 83'333, 1'300'000'000},
                                         Snap{250'000, 83'333, 250'000}, Snap{123, 10, 120},
                                         Snap{127, 10, 130}, Snap{5'000, 0, 5'000},
                                         Snap{5'000, -10, 5'000}));

TEST(TapPointFrequency, BinsOfTheSpan) {
    EXPECT_EQ(tapPointFrequency(140'000'000, 100, 512), 140'512'000);
    EXPECT_EQ(tapPointFrequency(140'000'000, 100, 513.5), 140'513'500);
    EXPECT_EQ(tapPointFrequency(0, 2.5f, 3), 75);
}

struct Drag {
    double ref;
    double x;
    int steps;
};

class DragSteps : public testing::TestWithParam<Drag> {};

TEST_P(DragSteps, FourPixelsAStepLeftPositive) {
    EXPECT_EQ(dragSteps(GetParam().ref, GetParam().x), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Table, DragSteps,
                         testing::Values(Drag{500, 497, 0}, Drag{500, 496, 1}, Drag{500, 480, 5},
                                         Drag{500, 504, -1}, Drag{500, 503, 0}, Drag{1000, 0, 127},
                                         Drag{0, 1000, -128}, Drag{0, std::nan(""), 0}));

TEST(DragTunes, ByTouchAction) {
    EXPECT_FALSE(dragTunes(0, true));
    EXPECT_TRUE(dragTunes(1, true));
    EXPECT_FALSE(dragTunes(1, false));
    EXPECT_TRUE(dragTunes(2, false));
    EXPECT_FALSE(dragTunes(3, false));
    EXPECT_TRUE(dragTunes(3, true));
    EXPECT_TRUE(dragTunes(4, false));
}

} // namespace
