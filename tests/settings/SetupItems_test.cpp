// The Setup items' texts, the shared settings they store and what they drive on the main window.
#include "settings/SetupItems.h"

#include <gtest/gtest.h>
#include <optional>

using namespace talix::settings;
using talix::sync::MainControl;
using talix::sync::ReceiverState;

namespace {

const QString kDbuV = QStringLiteral("dBµV");

struct TextCase {
    const char* name;
    int item;
    uint32_t v;
    std::optional<QString> text; // nothing: the edit keeps its text
};

const TextCase kTextCases[] = {
    {"Threshold0", 0, 0, "Auto Off"},
    {"Threshold11", 0, 11, "Auto 10"},
    {"Threshold1", 0, 1, "Auto 0"},
    {"Threshold16", 0, 16, "     Off"},
    {"Threshold20", 0, 20, "Speed 3"},
    {"Threshold17", 0, 17, "Speed 0"},
    {"ThresholdNegative", 0, uint32_t(-1), "Auto 14"},
    {"UnitsDbm", 1, 0x00, "dBm"},
    {"UnitsDbuV", 1, 0x10, kDbuV},
    {"GainManual", 2, 0x00, "Manual"},
    {"Deemphasis0", 3, 0x00, "Off"},
    {"Deemphasis1", 3, 0x40, "Off"},
    {"Deemphasis50", 3, 0x80, "50 µs"},
    {"Deemphasis75", 3, 0xC0, "75 µs"},
    {"Lowpass35", 4, 35, "3.5 kHz"},
    {"Lowpass99", 4, 99, "9.9 kHz"},
    {"Lowpass100", 4, 100, "10 kHz"},
    {"Lowpass150", 4, 150, "15 kHz"},
    {"Lowpass0", 4, 0, "0.0 kHz"},
    {"Highpass", 5, 0x102, "20 Hz"},
    {"Highpass255", 5, 255, "2550 Hz"},
    {"Impedance0", 6, 0x00, "0 Ohm"},
    {"Impedance50", 6, 0x02, "50 Ohm"},
    {"Impedance4k", 6, 0x04, "4 kOhm"},
    {"Impedance3", 6, 0x07, "0 Ohm"},
    {"Resolution15", 7, 15, "37 Hz/Bin"},
    {"Resolution4", 7, 4, "10 Hz/Bin"},
    {"FilterAutomatic", 8, 0, "Automatic"},
    {"Filter1", 8, 1, "1k ... 10M"},
    {"Filter2", 8, 2, "10M ... 30M"},
    {"Filter3", 8, 3, "1k ... 30M"},
    {"Filter4", 8, 4, "50M ... 71M"},
    {"Filter5", 8, 5, "87M ... 110M"},
    {"Filter6", 8, 6, "130M ... 156M"},
    {"Filter7", 8, 7, "174M ... 240M"},
    {"Filter8", 8, 8, std::nullopt},
    {"Filter9", 8, 9, std::nullopt},
    {"SpeakerOff", 9, 0x00, "Off"},
    {"SpeakerInternal", 9, 0x01, "Internal"},
    {"SpeakerExternal", 9, 0x02, "External"},
    {"SpeakerBoth", 9, 0x07, "Internal + External"},
    {"AutoActivOff", 10, 0x0F, "Off"},
    {"AutoActiv10", 10, 0xA0, "10 s"},
    {"RateFull", 11, 0, "Full"},
    {"RateHalf", 11, 1u << 29, "1/2"},
    {"RateThird", 11, 2u << 29, "1/3"},
    {"RateQuarter", 11, 3u << 29, "1/4"},
    {"PriorityLow", 12, 0x7FFFFFFF, "Low"},
    {"PriorityHigh", 12, 0x80000000, "High"},
    {"Touch0", 13, 0, "             No Action"},
    {"Touch1", 13, 1, "       Track Frequency"},
    {"Touch2", 13, 2, "         Track Setting"},
    {"Touch3", 13, 3, "Tune + Track Frequency"},
    {"Touch4", 13, 4, "  Tune + Track Setting"},
    {"Touch7", 13, 7, "             No Action"},
    {"Item14", 14, 0x12345678, std::nullopt},
    {"Item255", 255, 1, std::nullopt},
};

class SetupItemText : public ::testing::TestWithParam<TextCase> {};

TEST_P(SetupItemText, ShowsTheBoardsValue) {
    ReceiverState state;
    const TextCase& c = GetParam();
    const FormItemEffect e = applySetupItem(c.item, c.v, state, {"dBm", QLocale::c()});
    EXPECT_EQ(e.editText, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, SetupItemText, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SetupItems, LowpassUsesTheLocalesDecimalSeparator) {
    ReceiverState state;
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(applySetupItem(4, 35, state, {"dBm", german}).editText, "3,5 kHz");
    EXPECT_EQ(applySetupItem(4, 150, state, {"dBm", german}).editText, "15 kHz");
}

TEST(SetupItems, ThresholdAlsoGoesToTheMainWindowsAutoLabel) {
    ReceiverState state;
    const FormItemEffect e = applySetupItem(0, 20, state, {});
    EXPECT_EQ(e.mainTexts, (std::vector<MainText>{{MainControl::L_Auto, "Speed 3"}}));
}

TEST(SetupItems, ItemsBeyondTheTableAndUnknownFiltersChangeNothing) {
    for (auto [item, v] : {std::pair{14, 0xFFFFFFFFu}, {200, 0u}, {8, 9u}}) {
        ReceiverState state;
        state.ReceiverFlags = 0x5A;
        state.SettingsWord = 0x12345678;
        EXPECT_EQ(applySetupItem(item, v, state, {}), FormItemEffect{}) << item;
        EXPECT_EQ(state.ReceiverFlags, 0x5A);
        EXPECT_EQ(state.SettingsWord, 0x12345678u);
    }
}

// Item 1: the unit labels and the S-meter scale, which reads 20 dB lower above 30 MHz.
struct ScaleCase {
    const char* name;
    uint8_t flags;
    int32_t tunedFreq;
    QString unit;
    std::array<const char*, 4> scale;
};

const ScaleCase kScaleCases[] = {
    {"DbmShortwave", 0x00, 145'000'000, "dBm", {"-120", "-80", "-40", "0"}},
    {"DbmAt30MHz", 0x00, 300'000'000, "dBm", {"-120", "-80", "-40", "0"}},
    {"DbmAbove30MHz", 0x00, 300'000'001, "dBm", {"-140", "-100", "-60", "-20"}},
    {"DbuVAt145MHz", 0x10, 1'450'000'000, kDbuV, {"-33", "+7", "+47", "+87"}},
    {"DbuVAt30MHz", 0x10, 300'000'000, kDbuV, {"-13", "+27", "+67", "+107"}},
    {"DbuVOtherBits", 0x1F, 1'450'000'000, kDbuV, {"-33", "+7", "+47", "+87"}},
};

class LevelUnits : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(LevelUnits, MoveTheUnitLabelsTheScaleAndTheThresholdLine) {
    const ScaleCase& c = GetParam();
    ReceiverState state;
    state.TunedFreq = c.tunedFreq;
    state.GainCtrlIndex = 7; // bit 7 clear in every case: manual gain
    const FormItemEffect e = applySetupItem(1, 0xABCD00u | c.flags, state, {});
    EXPECT_EQ(state.ReceiverFlags, c.flags);
    EXPECT_EQ(e.editText, c.unit);
    const std::vector<MainText> expected{
        {MainControl::LETop, c.unit},           {MainControl::LEBot, c.unit},
        {MainControl::LThreshold_Unit, c.unit}, {MainControl::LGain_Unit, "dB"},
        {MainControl::LM120dBm, c.scale[0]},    {MainControl::LM80dBm, c.scale[1]},
        {MainControl::LM40dBm, c.scale[2]},     {MainControl::L0dBm, c.scale[3]}};
    EXPECT_EQ(e.mainTexts, expected);
    EXPECT_EQ(e.marks, (std::vector<ReadoutMark>{{10, 1}, {31, 1}, {34, 1}}));
    EXPECT_TRUE(e.placeThresholdLine);
    EXPECT_FALSE(e.rebuildGrid);
}

INSTANTIATE_TEST_SUITE_P(Table, LevelUnits, ::testing::ValuesIn(kScaleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SetupItems, LevelUnitsGiveTheGainTheirUnitOnlyWhileTheGainIsAutomatic) {
    ReceiverState state;
    state.GainCtrlIndex = 2;
    const FormItemEffect automatic = applySetupItem(1, 0x14, state, {});
    EXPECT_EQ(automatic.mainTexts[3], (MainText{MainControl::LGain_Unit, kDbuV}));
    const FormItemEffect manual = applySetupItem(1, 0x10, state, {});
    EXPECT_EQ(manual.mainTexts[3], (MainText{MainControl::LGain_Unit, "dB"}));
}

// Item 2: the gain control, bit GainCtrlIndex of the flags byte.
struct GainCase {
    const char* name;
    uint8_t flags;
    uint8_t gainCtrlIndex;
    QString levelUnit; // Edit1's text
    QString edit;
    QString gain;
    QString gainUnit;
};

const GainCase kGainCases[] = {
    {"ManualDbm", 0x00, 3, "dBm", "Manual", "RF Gain", "dB"},
    {"ManualDbuV", 0x10, 3, kDbuV, "Manual", "RF Gain", "dB"},
    {"AutomaticDbm", 0x08, 3, "dBm", "Automatic", "AGC Limit", "dBm"},
    {"AutomaticDbuV", 0x18, 3, kDbuV, "Automatic", "AGC Limit", kDbuV},
    {"AutomaticBit0", 0x01, 0, "dBm", "Automatic", "AGC Limit", "dBm"},
    {"IndexBeyondTheByte", 0xFF, 9, "dBm", "Manual", "RF Gain", "dB"},
    {"IndexModulo32", 0x02, 33, "dBm", "Automatic", "AGC Limit", "dBm"},
    {"UnitAsEdit1ShowsIt", 0x08, 3, " dBm", "Automatic", "AGC Limit", " dBm"},
};

class GainControl : public ::testing::TestWithParam<GainCase> {};

TEST_P(GainControl, SwitchesTheGainCaptionAndUnit) {
    const GainCase& c = GetParam();
    ReceiverState state;
    state.GainCtrlIndex = c.gainCtrlIndex;
    const FormItemEffect e = applySetupItem(2, c.flags, state, {c.levelUnit, QLocale::c()});
    EXPECT_EQ(state.ReceiverFlags, c.flags);
    EXPECT_EQ(e.editText, c.edit);
    EXPECT_EQ(e.mainTexts, (std::vector<MainText>{{MainControl::LGain, c.gain},
                                                  {MainControl::LGain_Unit, c.gainUnit}}));
    EXPECT_EQ(e.marks, (std::vector<ReadoutMark>{{22, 2}, {23, 2}}));
}

INSTANTIATE_TEST_SUITE_P(Table, GainControl, ::testing::ValuesIn(kGainCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The shared settings each item stores, and nothing else.
TEST(SetupItems, EachItemStoresOnlyItsSharedSetting) {
    struct Case {
        int item;
        uint32_t v;
        ReceiverState expected;
    };
    ReceiverState before;
    before.ReceiverFlags = 0x11;
    before.SettingsWord = 0x22;
    before.AudioResolution = 0x33;
    before.LoudspeakerMode = 0x44;
    before.TouchAction = 2;
    auto with = [&](auto change) {
        ReceiverState s = before;
        change(s);
        return s;
    };
    const Case cases[] = {
        {0, 0x1234, before},
        {1, 0x1290, with([](ReceiverState& s) { s.ReceiverFlags = 0x90; })},
        {2, 0x1281, with([](ReceiverState& s) { s.ReceiverFlags = 0x81; })},
        {3, 0x12C0, with([](ReceiverState& s) { s.ReceiverFlags = 0xC0; })},
        {4, 0x1234, before},
        {5, 0x1234, before},
        {6, 0x1234, before},
        {7, 0x1204, with([](ReceiverState& s) { s.AudioResolution = 4; })},
        {8, 0x1203, before},
        {9, 0x1202, with([](ReceiverState& s) { s.LoudspeakerMode = 2; })},
        {10, 0xA00000F0, with([](ReceiverState& s) { s.SettingsWord = 0xA00000F0; })},
        {11, 0x40000000, with([](ReceiverState& s) { s.SettingsWord = 0x40000000; })},
        {12, 0x80000001, with([](ReceiverState& s) { s.SettingsWord = 0x80000001; })},
        {13, 0x1203, with([](ReceiverState& s) { s.TouchAction = 3; })},
        {13, 0x1205, with([](ReceiverState& s) { s.TouchAction = 0; })},
        {14, 0x1201, before},
    };
    for (const Case& c : cases) {
        ReceiverState s = before;
        applySetupItem(c.item, c.v, s, {"dBm", QLocale::c()});
        EXPECT_EQ(s.ReceiverFlags, c.expected.ReceiverFlags) << c.item;
        EXPECT_EQ(s.SettingsWord, c.expected.SettingsWord) << c.item;
        EXPECT_EQ(s.AudioResolution, c.expected.AudioResolution) << c.item;
        EXPECT_EQ(s.LoudspeakerMode, c.expected.LoudspeakerMode) << c.item;
        EXPECT_EQ(s.TouchAction, c.expected.TouchAction) << c.item;
    }
}

TEST(SetupItems, ResolutionRebuildsTheGrid) {
    ReceiverState state;
    const FormItemEffect e = applySetupItem(7, 15, state, {});
    EXPECT_EQ(state.AudioResolution, 15);
    EXPECT_TRUE(e.rebuildGrid);
    EXPECT_TRUE(e.mainTexts.empty());
}

TEST(SetupItems, DisplayRateRepaintsTheTimeReadoutAndScale) {
    ReceiverState state;
    const FormItemEffect e = applySetupItem(11, 2u << 29, state, {});
    EXPECT_EQ(e.marks, (std::vector<ReadoutMark>{{13, 1}, {36, 1}}));
    EXPECT_FALSE(e.rebuildGrid);
}

TEST(SetupItems, APriorityChangeMovesTheGrid) {
    ReceiverState state;
    EXPECT_TRUE(applySetupItem(12, 0x80000000, state, {}).rebuildGrid);
    EXPECT_FALSE(applySetupItem(12, 0x80000010, state, {}).rebuildGrid);
    EXPECT_FALSE(applySetupItem(10, 0x800000A0, state, {}).rebuildGrid);
    EXPECT_TRUE(applySetupItem(11, 0x20000000, state, {}).rebuildGrid);
    EXPECT_FALSE(applySetupItem(12, 0x00000000, state, {}).rebuildGrid);
}

} // namespace
