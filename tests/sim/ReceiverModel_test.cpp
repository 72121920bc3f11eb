// The simulated receiver's answers to command records, taken from its report queue.
#include "sim/ParamWords.h"
#include "sim/ReceiverModel.h"
#include "sim/support/Reports.h"

#include <gtest/gtest.h>
#include <set>

using namespace talix;
using namespace talix::sim;
using namespace talix::simtest;
using Bytes = std::vector<uint8_t>;

namespace {

struct Board {
    explicit Board(bool rotator = true) : model(7, Endpoint{"127.0.0.1", 55556}, rotator) {
        model.greeted();
        state = drainReports(model);
    }
    std::vector<Group> send(const Bytes& record) {
        model.handleCommand(record);
        return drainReports(model);
    }
    uint32_t value(const std::vector<Group>& g, uint8_t item, uint32_t form = 0, size_t i = 0) {
        const auto v = lastValue(g, item, form);
        EXPECT_TRUE(v.has_value()) << "item " << int(item) << " form " << form;
        return v && v->size() > i ? (*v)[i] : 0xDEADBEEF;
    }
    ReceiverModel model;
    std::vector<Group> state;
};

Bytes setValue(uint8_t item, uint32_t v) {
    return {245, item, 0, uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

} // namespace

TEST(ReceiverModel, GreetingIdentifiesAndReportsTheWholeState) {
    Board b;
    ASSERT_FALSE(b.state.empty());
    EXPECT_EQ(b.state.front().id(), paramId(board::ParamId::DeviceHello));
    EXPECT_EQ(b.state.front().values.size(), 1u);
    std::set<int> mainItems, setupItems;
    for (const auto& g : b.state) {
        if (g.id() != paramId(board::ParamId::ValueWord))
            continue;
        (g.form() == 0 ? mainItems : setupItems).insert(g.item());
        const bool tenths = g.word >> 24;
        if (g.form() == 0) {
            const std::set<int> tenthsItems{0, 18, 22, 23, 24, 32};
            EXPECT_EQ(tenths, tenthsItems.count(g.item()) == 1) << "item " << int(g.item());
        }
    }
    for (int item = 0; item <= 57; ++item) {
        const bool skipped = (item >= 29 && item <= 31) || item == 37 || item == 38 || item == 48 ||
                             item == 49 || item == 54 || item == 57;
        EXPECT_EQ(mainItems.count(item), skipped ? 0u : 1u) << "item " << item;
    }
    for (int item = 0; item <= 13; ++item)
        EXPECT_EQ(setupItems.count(item), 1u) << "setup item " << item;
    EXPECT_EQ(b.state.back().word, fieldSelectWord(0, 0));
    // The rotator the board reports is the loopback address it was given.
    EXPECT_EQ(b.value(b.state, 55, 0, 1), 0x0100007Fu);
}

TEST(ReceiverModel, WithoutRotatorItReportsNoneFound) {
    Board b(false);
    EXPECT_TRUE(lastValue(b.state, 57).has_value());
    EXPECT_FALSE(lastValue(b.state, 55).has_value());
}

TEST(ReceiverModel, KnobStepOnTheFrequencyTunesByTheStep) {
    Board b;
    const uint32_t start = b.value(b.state, 0);
    const uint32_t step = b.value(b.state, 32);
    auto r = b.send({192, 0, 0, 13});
    EXPECT_TRUE(hasWord(r, fieldSelectWord(0, 0)));
    r = b.send({2, 2});
    EXPECT_EQ(b.value(r, 0), start + step);
    EXPECT_EQ(b.value(r, 0, 0, 1), start + step - 512 * 1000) << "left edge at 100 Hz per bin";
    r = b.send({2, 254});
    EXPECT_EQ(b.value(r, 0), start);
}

TEST(ReceiverModel, OddDragStepsCarryOverAndLargeOnesMoveFar) {
    Board b;
    const uint32_t start = b.value(b.state, 0);
    EXPECT_TRUE(b.send({2, 1}).empty());
    auto r = b.send({2, 1});
    EXPECT_EQ(b.value(r, 0), start + 10000);
    r = b.send({2, 10});
    EXPECT_EQ(b.value(r, 0), start + 60000);
}

struct FieldCase {
    const char* name;
    uint8_t field;
    int8_t step;
    uint8_t item;
    uint32_t expected;
};

class KnobOnField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(KnobOnField, ChangesTheSelectedValue) {
    const FieldCase& c = GetParam();
    Board b;
    b.send({192, c.field, 0, 0});
    const auto r = b.send({2, uint8_t(c.step)});
    EXPECT_EQ(b.value(r, c.item), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KnobOnField,
    ::testing::Values(
        FieldCase{"modeNext", 1, 2, 1, board::kModeLsbQ},
        FieldCase{"modeBack", 1, -2, 1, board::kModeDsbQ}, FieldCase{"bandwidthUp", 2, 2, 2, 9000},
        FieldCase{"shift", 3, -4, 3, uint16_t(-20)}, FieldCase{"notchWidth", 4, 2, 4, 10},
        FieldCase{"notchPos", 5, 2, 5, 1010}, FieldCase{"agcLimit", 6, 2, 6, 102},
        FieldCase{"threshold", 7, 2, 7, 2}, FieldCase{"dnr", 8, 2, 8, 1},
        FieldCase{"resolution", 9, 2, 9, 100}, FieldCase{"resolutionDiv", 30, -2, 9, 20},
        FieldCase{"topLevel", 10, 2, 10, 126}, FieldCase{"span", 11, 2, 11, 15},
        FieldCase{"bottomChangesSpan", 31, -2, 11, 5}, FieldCase{"waterfallTime", 13, 2, 13, 17},
        FieldCase{"insideBright", 14, 2, 14, 65}, FieldCase{"noiseBlanker", 17, 2, 17, 1},
        FieldCase{"blankerDuration", 18, 2, 18, 6}, FieldCase{"agcHold", 22, 2, 22, 11},
        FieldCase{"agcAttack", 23, 2, 23, 55}, FieldCase{"txFrequency", 24, 2, 24, 60'710'000},
        FieldCase{"stepDigit3", 32, 2, 32, 11000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReceiverModel, StepDigitSelectsWhichDigitTheKnobChanges) {
    Board b;
    b.send(setValue(27, 5));
    b.send({192, 32, 0, 9});
    const auto r = b.send({2, 2});
    EXPECT_EQ(b.value(r, 32), 10000u + 100000u);
}

struct ButtonCase {
    const char* name;
    uint16_t tag;
    uint32_t word;
};

class ShowButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(ShowButtons, ShowTheirFormAndItsCloseButtonClosesIt) {
    const ButtonCase& c = GetParam();
    Board b;
    const auto r = b.send({1, uint8_t(c.tag), uint8_t(c.tag >> 8)});
    EXPECT_TRUE(hasWord(r, c.word));
}

INSTANTIATE_TEST_SUITE_P(Table, ShowButtons,
                         ::testing::Values(ButtonCase{"setup", 2829, showFormWord(1)},
                                           ButtonCase{"system", 3085, showFormWord(2)},
                                           ButtonCase{"undo", 3341, showFormWord(3)},
                                           ButtonCase{"mike", 3597, showFormWord(4)},
                                           ButtonCase{"wifi", 4365, showFormWord(10)},
                                           ButtonCase{"memory", 4621, showFormWord(5)},
                                           ButtonCase{"recorder", 4877, showFormWord(13)}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CloseCase {
    const char* name;
    uint16_t show;
    Bytes close;
    int form;
};

class CloseButtons : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseButtons, CloseTheShownForm) {
    const CloseCase& c = GetParam();
    Board b;
    b.send({1, uint8_t(c.show), uint8_t(c.show >> 8)});
    const auto r = b.send(c.close);
    EXPECT_TRUE(hasWord(r, closeFormWord(uint32_t(c.form))));
    EXPECT_EQ(b.model.state().shownForm, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, CloseButtons,
                         ::testing::Values(CloseCase{"setup", 2829, {1, 10, 1}, 1},
                                           CloseCase{"system", 3085, {1, 11, 2}, 2},
                                           CloseCase{"undoCancel", 3341, {1, 11, 3}, 3},
                                           CloseCase{"mike", 3597, {1, 10, 4}, 4},
                                           CloseCase{"wifi", 4365, {1, 10, 10}, 10},
                                           CloseCase{"wifiSet", 4365, {8}, 10},
                                           CloseCase{"memoryEscape", 4621, {1, 11, 21}, 5},
                                           CloseCase{"memoryOk", 4621, {1, 10, 5}, 5},
                                           CloseCase{"recorder", 4877, {1, 10, 0}, 13}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReceiverModel, ShowingASecondFormClosesTheFirst) {
    Board b;
    b.send({1, 13, 11});
    const auto r = b.send({1, 13, 12});
    EXPECT_TRUE(hasWord(r, closeFormWord(1)));
    EXPECT_TRUE(hasWord(r, showFormWord(2)));
}

TEST(ReceiverModel, FilterButtonCyclesTheSpectrumModes) {
    Board b;
    std::vector<uint32_t> modes;
    for (int i = 0; i < 5; ++i)
        modes.push_back(b.value(b.send({1, 21, 0}), 33, 0, 2));
    EXPECT_EQ(modes, (std::vector<uint32_t>{2, 3, 4, 1, 2}));
}

TEST(ReceiverModel, StereoAndLockButtonsToggleTheirBits) {
    Board b;
    const uint32_t flags = b.value(b.state, 43);
    EXPECT_EQ(b.value(b.send({1, 23, 0}), 43), flags ^ 0x20);
    EXPECT_EQ(b.value(b.send({1, 34, 0}), 34), 1u << 29);
    EXPECT_EQ(b.value(b.send({1, 34, 0}), 34), 0u);
}

TEST(ReceiverModel, TuneModeIsThePseudoFieldNineteen) {
    Board b;
    auto r = b.send({1, 12, 0});
    EXPECT_TRUE(hasWord(r, fieldSelectWord(19, 0)));
    EXPECT_EQ(b.value(r, 19), 50u) << "the carrier modulates";
    EXPECT_EQ(b.value(r, 42), 2u);
    // Touching the TX frequency keeps tune mode; any other field ends it.
    r = b.send({192, 24, 0, 13});
    EXPECT_TRUE(b.model.state().tuneMode);
    r = b.send({192, 3, 0, 0});
    EXPECT_FALSE(b.model.state().tuneMode);
    EXPECT_EQ(b.value(r, 19), 0u);
    EXPECT_TRUE(hasWord(r, fieldSelectWord(3, 0)));
}

TEST(ReceiverModel, SetupFormShowsEveryItemAndTheKnobEditsTheSelectedOne) {
    Board b;
    auto r = b.send({1, 13, 11});
    EXPECT_TRUE(hasWord(r, showFormWord(1)));
    for (uint8_t item = 0; item <= 13; ++item)
        EXPECT_TRUE(lastValue(r, item, 1).has_value()) << int(item);
    EXPECT_TRUE(hasWord(r, fieldSelectWord(0, 1)));

    r = b.send({192, 13, 1, 0});
    EXPECT_TRUE(hasWord(r, fieldSelectWord(13, 1)));
    EXPECT_EQ(b.value(b.send({2, 254}), 13, 1), 2u) << "touch action one back";
    b.send({192, 1, 1, 0});
    EXPECT_EQ(b.value(b.send({2, 2}), 1, 1) & 0x10, 0x10u) << "levels in dBuV";
    b.send({192, 11, 1, 0});
    EXPECT_EQ(b.value(b.send({2, 4}), 11, 1) >> 29 & 3, 2u) << "display rate 1/3";
    b.send({192, 12, 1, 0});
    EXPECT_EQ(b.value(b.send({2, 2}), 12, 1) >> 31, 1u);
    b.send({192, 7, 1, 0});
    EXPECT_EQ(b.value(b.send({2, 2}), 7, 1), 16u);
    // While the Setup form is shown the knob does not tune.
    EXPECT_EQ(b.model.state().tunedFreq, 60'700'000);
}

struct SetCase {
    const char* name;
    uint8_t item;
    uint32_t sent;
    uint8_t reported;
    uint32_t expected;
};

class SetValues : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetValues, AreTakenAndReportedBack) {
    const SetCase& c = GetParam();
    Board b;
    const auto r = b.send(setValue(c.item, c.sent));
    EXPECT_EQ(b.value(r, c.reported), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetValues,
    ::testing::Values(
        SetCase{"tap", 0, 140'510'000, 0, 140'510'000}, SetCase{"modeUsb", 1, 3, 1, 3},
        SetCase{"modeBandwidth", 1, 6, 2, 500}, SetCase{"bandwidthCell", 2, 7, 2, 8000},
        SetCase{"headphone", 20, 200, 20, 200}, SetCase{"speaker", 21, 0, 21, 0},
        SetCase{"attenuator", 26, 12, 26, 12}, SetCase{"attenuatorLimit", 26, 99, 26, 35},
        SetCase{"digit", 27, 6, 27, 6}, SetCase{"brightness", 28, 40, 28, 40},
        SetCase{"step", 32, 125000, 32, 125000}, SetCase{"waterfallHigh", 35, 100, 35, 100},
        SetCase{"waterfallLow", 36, 20, 36, 20}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReceiverModel, FmWideBandwidthCellsFollowTheList) {
    Board b;
    b.send(setValue(1, board::kModeFmWide));
    EXPECT_EQ(b.value(b.send(setValue(2, 6)), 2), 6u) << "240k HQ";
    EXPECT_EQ(b.value(b.send(setValue(2, 12)), 2), 6u) << "a blank cell keeps the bandwidth";
}

TEST(ReceiverModel, TapOutsideTheCoverageIsIgnored) {
    Board b;
    EXPECT_FALSE(lastValue(b.send(setValue(0, 400'000'000)), 0).has_value());
    EXPECT_EQ(b.value(b.send(setValue(0, 300'000'000)), 0), 300'000'000u);
}

TEST(ReceiverModel, TransmitFrequencyFollowsUnlessLocked) {
    Board b;
    EXPECT_EQ(b.value(b.send(setValue(0, 70'000'000)), 24), 70'000'000u);
    b.send({1, 34, 0});
    EXPECT_FALSE(lastValue(b.send(setValue(0, 71'000'000)), 24).has_value());
}

TEST(ReceiverModel, UndoReturnsToEarlierFrequencies) {
    Board b;
    b.send(setValue(0, 70'000'000));
    auto r = b.send(setValue(0, 71'000'000));
    EXPECT_EQ(b.value(r, 46), 2u);
    r = b.send({1, 13, 13});
    EXPECT_TRUE(hasWord(r, showFormWord(3)));
    EXPECT_EQ(b.value(r, 0, 3), 0x102u) << "2 available";
    r = b.send({1, 10, 3});
    EXPECT_EQ(b.value(r, 0), 70'000'000u);
    EXPECT_EQ(b.value(r, 46), 1u);
    EXPECT_TRUE(hasWord(r, closeFormWord(3)));
}

TEST(ReceiverModel, MemoryKeypadTunesToTheTypedFrequency) {
    Board b;
    b.send({1, 13, 18});
    for (const uint8_t key : {1, 4, 5, 13, 5})
        b.send({1, key, 0}); // 1 4 5 , 5
    const auto r = b.send({1, 10, 53});
    EXPECT_EQ(b.value(r, 0), 1'455'000'000u);
    EXPECT_TRUE(hasWord(r, closeFormWord(5)));
    b.send({1, 13, 18});
    for (const uint8_t key : {7, 0, 3, 0})
        b.send({1, key, 0});
    EXPECT_EQ(b.value(b.send({1, 10, 37}), 0), 70'300'000u) << "7030 kHz";
}

TEST(ReceiverModel, ZeroBeatTunesOntoTheCarrier) {
    Board b;
    b.send(setValue(0, 60'710'000)); // 1 kHz above the home station
    const auto r = b.send({1, 0, 0});
    EXPECT_EQ(b.value(r, 0), 60'700'000u);
}

TEST(ReceiverModel, RotatorDialSelectedTurnsTheRotatorAndRelaysThePosition) {
    Board b;
    auto r = b.send({192, 1, 16});
    EXPECT_TRUE(hasWord(r, fieldSelectWord(1, 16)));
    r = b.send({2, 2});
    ASSERT_TRUE(hasWord(r, rotatorRelayWord()));
    // The antenna turns there a step a frame: one frame on, it stands at 117.
    b.model.tick();
    r = drainReports(b.model);
    EXPECT_EQ(b.value(r, 55) >> 8 & 0xFF, 117u);
    b.send({192, 0, 16});
    EXPECT_FALSE(b.model.state().rotatorSelected);
}

TEST(ReceiverModel, OtherFormsFieldSelectionsAreAnswered) {
    Board b;
    EXPECT_TRUE(hasWord(b.send({192, 5, 2, 0}), fieldSelectWord(5, 2)));
    EXPECT_TRUE(b.send({192, 3, 5, 0, 1, 24, 3}).empty()) << "memory lines are not kept";
}

TEST(ReceiverModel, NotchDoubleClickSwitchesTheAutomaticNotch) {
    Board b;
    const auto r = b.send({1, 35, 0});
    EXPECT_EQ(b.value(r, 12, 1) >> 28 & 1, 1u);
    EXPECT_EQ(b.value(r, 5), 40u) << "item 5 now carries the automatic notch value";
}

TEST(ReceiverModel, MalformedRecordsChangeNothing) {
    Board b;
    for (const Bytes& r : std::vector<Bytes>{{1}, {2}, {245, 1, 0}, {192}, {99, 1, 2, 3}, {}})
        EXPECT_TRUE(b.send(r).empty());
}

TEST(ReceiverModel, FrameCarriesTheAgcRowAndTheAntennaBit) {
    Board b;
    b.send({23, 178, 1});
    FrameContent content;
    b.model.tick();
    b.model.renderFrame(content);
    EXPECT_EQ(content.status >> 31, 1u);
    EXPECT_LT(content.status & 0x1FF, 320u);
}
