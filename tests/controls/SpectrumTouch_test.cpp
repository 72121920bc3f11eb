#include "controls/DigitSelector.h"
#include "controls/FieldTouch.h"
#include "controls/SpectrumTouch.h"
#include "support/QueueProbe.h"

#include <gtest/gtest.h>

using namespace talix::controls;
using namespace talix::controls::testing;
using talix::link::Command;

namespace {

TapInputs at14MHz(int touchAction = 3) {
    TapInputs in;
    in.spectrumLeftFreq = 140'000'000;
    in.binHz = 100;
    in.tuneStep = 10'000;
    in.touchAction = touchAction;
    return in;
}

TEST(SpectrumTouch, TapSendsTheSnappedFrequency) {
    QueueProbe probe;
    SpectrumTouch t(probe.queue);
    t.Panel2MouseDown(512, at14MHz());
    // 140,510,000 = 0x0860 0330
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{245, 0, 0, 0x30, 0x03, 0x60, 0x08}}));
    EXPECT_EQ(t.touchRefX(), 512);
}

TEST(SpectrumTouch, TapOutsideTheBandsSendsNothingButSetsTheReference) {
    QueueProbe probe;
    SpectrumTouch t(probe.queue);
    TapInputs in = at14MHz();
    in.spectrumLeftFreq = 400'000'000;
    t.Panel2MouseDown(30, in);
    EXPECT_TRUE(probe.drain().empty());
    EXPECT_EQ(t.touchRefX(), 30);
}

TEST(SpectrumTouch, TrackingOnlyTapKeepsTheReference) {
    QueueProbe probe;
    SpectrumTouch t(probe.queue);
    t.Panel2MouseDown(100, at14MHz());
    probe.drain();
    t.Panel2MouseDown(700, at14MHz(2));
    EXPECT_TRUE(probe.drain().empty());
    EXPECT_EQ(t.touchRefX(), 100);
    // The next drag is measured from where the previous one ended.
    t.Panel2MouseMove(92, true, 2, false);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{2, 2}}));
}

TEST(SpectrumTouch, TapWithAFullQueueTellsTheUser) {
    QueueProbe probe;
    SpectrumTouch t(probe.queue);
    probe.fill();
    t.Panel2MouseDown(512, at14MHz());
    EXPECT_EQ(probe.notices, 1);
    EXPECT_EQ(probe.drain().size(), 10u);
}

TEST(SpectrumTouch, DragSendsStepsAndSmallMovesAddUp) {
    QueueProbe probe;
    SpectrumTouch t(probe.queue);
    t.Panel2MouseDown(500, at14MHz(4));
    probe.drain();
    t.Panel2MouseMove(498, true, 4, false); // 2 pixels: nothing yet
    t.Panel2MouseMove(496, true, 4, false); // 4 in all: one step to the left
    t.Panel2MouseMove(516, true, 4, false); // 20 to the right: -5
    t.Panel2MouseMove(0, true, 4, false);   // far: limited to 127
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{2, 1}, {2, 251}, {2, 127}}));
    EXPECT_EQ(t.touchRefX(), 0);
}

TEST(SpectrumTouch, DragConditions) {
    QueueProbe probe;
    SpectrumTouch t(probe.queue);
    t.Panel2MouseDown(500, at14MHz());
    probe.drain();
    t.Panel2MouseMove(400, false, 4, true); // not dragging
    t.Panel2MouseMove(400, true, 0, true);  // no action
    t.Panel2MouseMove(400, true, 3, false); // frequency tracking, another field selected
    t.Panel2MouseMove(400, true, 1, false);
    EXPECT_TRUE(probe.drain().empty());
    EXPECT_EQ(t.touchRefX(), 500);
    t.Panel2MouseMove(400, true, 3, true);
    EXPECT_EQ(probe.drain(), (std::vector<Command>{{2, 25}}));
}

TEST(SpectrumTouch, DragWithAFullQueueIsSilent) {
    QueueProbe probe;
    SpectrumTouch t(probe.queue);
    t.Panel2MouseDown(500, at14MHz());
    probe.drain();
    probe.fill();
    t.Panel2MouseMove(400, true, 4, true);
    EXPECT_EQ(probe.notices, 0);
    EXPECT_EQ(probe.drain().size(), 10u);
    EXPECT_EQ(t.touchRefX(), 500);
}

TEST(DigitSelector, BothEndsAndNoRepeat) {
    QueueProbe probe;
    int32_t digit = 0;
    DigitSelector s(probe.queue, digit);
    EXPECT_TRUE(s.Panel9MouseMove(0, true));
    EXPECT_EQ(digit, 6);
    EXPECT_FALSE(s.Panel9MouseMove(10, true)); // still digit 6
    EXPECT_TRUE(s.Panel9MouseMove(290, true));
    EXPECT_EQ(digit, 0);
    EXPECT_FALSE(s.Panel9MouseMove(100, false)); // not dragging
    EXPECT_EQ(probe.drain(),
              (std::vector<Command>{{245, 27, 0, 6, 0, 0, 0}, {245, 27, 0, 0, 0, 0, 0}}));
}

TEST(DigitSelector, FullQueueIsSilentAndKeepsTheDigit) {
    QueueProbe probe;
    int32_t digit = 2;
    DigitSelector s(probe.queue, digit);
    probe.fill();
    EXPECT_FALSE(s.Panel9MouseMove(0, true));
    EXPECT_EQ(digit, 2);
    EXPECT_EQ(probe.notices, 0);
}

struct Touch {
    const char* name;
    int tag;
    int maxLength;
    FieldTouchInputs in;
    std::optional<Command> sent;
};

class FieldTouchTable : public ::testing::TestWithParam<Touch> {};

TEST_P(FieldTouchTable, SelectionOrNothing) {
    EXPECT_EQ(fieldSelectCommand(GetParam().tag, GetParam().maxLength, GetParam().in),
              GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FieldTouchTable,
    ::testing::Values(
        Touch{"Frequency", 0, 13, {}, Command{192, 0, 0, 13}},
        Touch{"FrequencyInTuneMode", 0, 13, {false, 0, 0, true}, Command{192, 19, 0, 13}},
        Touch{"TxFrequencyInTuneMode", 24, 13, {false, 0, 0, true}, Command{192, 24, 0, 13}},
        Touch{"Step", 32, 9, {}, Command{192, 32, 0, 9}},
        Touch{"Demod", 1, 0, {}, Command{192, 1, 0, 0}},
        Touch{"MemoryKeypadOpen", 1, 0, {true, 0, 0, false}, std::nullopt},
        Touch{"HoldManualGain", 22, 0, {false, 0x01, 1, false}, std::nullopt},
        Touch{"HoldAutomaticGain", 22, 0, {false, 0x02, 1, false}, Command{192, 22, 0, 0}},
        Touch{"AttackManualGain", 23, 0, {false, 0x00, 0, false}, std::nullopt},
        Touch{"AttackAutomaticGain", 23, 0, {false, 0x80, 39, false}, Command{192, 23, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
