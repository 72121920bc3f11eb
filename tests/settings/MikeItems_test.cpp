// The Microphone items' texts, the settings word of the VOX level, the bandwidth by demodulator,
// and the highpass that switches the equaliser.
#include "settings/MikeItems.h"

#include <gtest/gtest.h>
#include <optional>

using namespace talix::settings;
using talix::sync::ReceiverState;

namespace {

struct TextCase {
    const char* name;
    int item;
    uint32_t v;
    std::optional<QString> text;
    uint8_t mode = 3;
};

const TextCase kTextCases[] = {
    {"BiasOn", 1, 0x02, "5"},
    {"BiasOnBit2", 1, 0x04, "5"},
    {"BiasOff", 1, 0x09, "0"},
    {"Volume", 2, 0x150, "80"},
    {"Alc", 3, 60, "60"},
    {"MonitoringPlus5", 4, 0x05u << 16, "+5"},
    {"MonitoringMinus5", 4, 0xFBu << 16, "-5"},
    {"MonitoringZero", 4, 0xFF00'FFFF, "0"},
    {"SquelchOff", 5, 0xAD, "Off"},
    {"SquelchMinus82", 5, 0xAE, "-82"},
    {"SquelchZero", 5, 0x100, "0"},
    {"VoxHoldOff", 6, 0x00, "Off"},
    {"VoxHold10", 6, 1u << 3, "10"},
    {"VoxHold250", 6, 3u << 3, "250"},
    {"VoxHold2000", 6, 7u << 3 | 7, "2000"},
    {"VoxLevelAv", 7, 1u << 12, "AV 3"},
    {"VoxLevel15", 7, 15u << 8, "93"},
    {"VoxLevel1", 7, 1u << 8, "6"},
    {"BandwidthCw", 8, 0xFFFF'FFFF, "<=10", 6},
    {"BandwidthUsb", 8, 0, "1.8 kHz", 3},
    {"BandwidthLsb", 8, 7u << 26, "9.6 kHz", 2},
    {"BandwidthUsbq", 8, 2u << 26, "2.7 kHz", 9},
    {"BandwidthDigi", 8, 3u << 26, "2.9 kHz", 41},
    {"BandwidthAm", 8, 1u << 24, "3.8 kHz", 11},
    {"BandwidthSync", 8, 3u << 24, "9.6 kHz", 0},
    {"BandwidthFm", 8, 5u << 29, "3.8 kHz", 7},
    {"HighpassOff", 9, 0x3F, "Off"},
    {"Highpass140", 9, 1u << 6, "140"},
    {"Highpass260", 9, 2u << 6, "260"},
    {"Highpass420", 9, 3u << 6, "420"},
    {"Item0", 0, 1, std::nullopt},
    {"Bar", 12, 1, std::nullopt},
    {"Item16", 16, 1, std::nullopt},
};

class MikeItemText : public ::testing::TestWithParam<TextCase> {};

TEST_P(MikeItemText, ShowsTheBoardsValue) {
    const TextCase& c = GetParam();
    ReceiverState state;
    state.ModeIndex = c.mode;
    EXPECT_EQ(applyMikeItem(c.item, c.v, state, QLocale::c()).editText, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, MikeItemText, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MikeItems, OnlyTheVoxLevelStoresTheSettingsWord) {
    for (int item = 0; item < 16; ++item) {
        ReceiverState state;
        state.SettingsWord = 0x11;
        applyMikeItem(item, 0x1F00, state, QLocale::c());
        EXPECT_EQ(state.SettingsWord, item == 7 ? 0x1F00u : 0x11u) << item;
    }
}

TEST(MikeItems, TheHighpassSwitchesTheEqualiser) {
    EXPECT_EQ(equaliserEnabledBy(9, 0x3F), std::optional<bool>(false));
    EXPECT_EQ(equaliserEnabledBy(9, 1u << 6), std::optional<bool>(true));
    EXPECT_EQ(equaliserEnabledBy(8, 0), std::nullopt);
}

TEST(MikeItems, TheBandwidthUsesTheLocalesSeparator) {
    ReceiverState state;
    state.ModeIndex = 3;
    EXPECT_EQ(applyMikeItem(8, 0, state, QLocale(QLocale::German)).editText, "1,8 kHz");
}

} // namespace
