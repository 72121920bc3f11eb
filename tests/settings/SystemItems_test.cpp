// The System items' texts, the settings word they store, the FM deviation caption, the GPS labels
// and the accessory serial number.
#include "settings/SystemItems.h"

#include <gtest/gtest.h>
#include <optional>

using namespace talix::settings;
using talix::sync::MainControl;
using talix::sync::ReceiverState;

namespace {

constexpr int32_t kMHz = 10'000'000; // 0.1 Hz units

struct TextCase {
    const char* name;
    int item;
    uint32_t v;
    std::optional<QString> text; // nothing: the edit keeps its text
    uint8_t mode = 0;
    int32_t txFreq = 10 * kMHz;
};

const TextCase kTextCases[] = {
    {"Calibration2001", 0, 2001, "+1"},
    {"Calibration2000", 0, 2000, "0"},
    {"Calibration1999", 0, 1999, "-1"},
    {"Calibration0", 0, 0, "-2000"},
    {"CalibrationNegative", 0, uint32_t(-5), "-2005"},
    {"Level15", 1, 15, "+1.5"},
    {"Level0", 1, 0, "0.0"},
    {"LevelMinus15", 1, uint32_t(-15), "-1.5"},
    {"LevelOnlyLowHalf", 1, 0x7FFF000F, "+1.5"},
    {"AfLevel", 2, 0x1234'0150, "80"},
    {"DeviationFmN", 3, 0x4B19, "2.5", 7},
    {"DeviationFmW", 3, 0x4B19, "75", 8},
    {"DeviationUsb", 3, 0x4B19, "75", 3},
    {"LeftNoise", 4, 0x8000, "Noise"},
    {"Left30", 4, 30, "300"},
    {"RightNpr", 5, 0x8000'0000, "NPR"},
    {"Right300", 5, 300u << 16, "3000"},
    {"RxDelay", 6, 0xC5, "50"},
    {"Pep10MHz", 7, 500, "33.0", 0, 10 * kMHz},
    {"Pep50MHz", 7, 500, "31.0", 0, 50 * kMHz},
    {"Pep100MHz", 7, 500, "27.0", 0, 100 * kMHz},
    {"Pep150MHz", 7, 500, "25.0", 0, 150 * kMHz},
    {"PepOff", 7, 0x10000, "Off", 0, 150 * kMHz},
    {"PepBelowCorrection", 7, 100, "-7.0", 0, 10 * kMHz},
    {"DelayRf", 8, 0x0A0B, "11"},
    {"RisetimeMinus", 9, 0xF6, "-1.0"},
    {"Risetime", 9, 0x05, "0.5"},
    {"SsbShift", 10, 15, "150"},
    {"MikeRingPttIn", 11, 0u << 22, "PTT In"},
    {"MikeRingKeyIn", 11, 1u << 22, " KEY In"},
    {"KeyTipCatOut", 12, 2u << 24, "CAT Out"},
    {"KeyRingPttOut", 13, 3u << 26, "PTT Out"},
    {"Baud1200", 14, 0u << 26, "1200"},
    {"Baud2400", 14, 1u << 26, "2400"},
    {"Baud4800", 14, 2u << 26, "4800"},
    {"Baud9600", 14, 3u << 26, "9600"},
    {"Limiter100", 15, 0u << 20, "100"},
    {"Limiter50", 15, 1u << 20, "50"},
    {"Limiter25", 15, 2u << 20, "25"},
    {"Limiter12", 15, 3u << 20, "12"},
    {"GpsStandby", 16, 0x02, "Standby"},
    {"GpsEnabled", 16, 0x05, "Enabled"},
    {"Serial", 17, 0x0001'04D2, "1234"},
    {"SerialUnsigned", 17, 0xFFFF, "65535"},
    {"Item18", 18, 1, std::nullopt},
    {"Item255", 255, 1, std::nullopt},
    {"ItemNegative", -1, 1, std::nullopt},
};

class SystemItemText : public ::testing::TestWithParam<TextCase> {};

TEST_P(SystemItemText, ShowsTheBoardsValue) {
    const TextCase& c = GetParam();
    ReceiverState state;
    state.ModeIndex = c.mode;
    state.TxFreq = c.txFreq;
    AccessorySerial serial;
    const FormItemEffect e = applySystemItem(c.item, c.v, state, serial, QLocale::c());
    EXPECT_EQ(e.editText, c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, SystemItemText, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SystemItems, OneValueWordGivesKeyRingAndBaudrateTheSameBits) {
    ReceiverState state;
    AccessorySerial serial;
    const uint32_t v = 3u << 26;
    EXPECT_EQ(applySystemItem(13, v, state, serial, QLocale::c()).editText, "PTT Out");
    EXPECT_EQ(applySystemItem(14, v, state, serial, QLocale::c()).editText, "9600");
}

TEST(SystemItems, TheDeviationCaptionFollowsTheDemodulator) {
    ReceiverState state;
    AccessorySerial serial;
    state.ModeIndex = 7;
    EXPECT_EQ(applySystemItem(3, 0x4B19, state, serial, QLocale::c()).captionText,
              "FM-N Deviation (kHz):");
    state.ModeIndex = 8;
    EXPECT_EQ(applySystemItem(3, 0x4B19, state, serial, QLocale::c()).captionText,
              "FM-W Deviation (kHz):");
    EXPECT_EQ(applySystemItem(2, 0x4B19, state, serial, QLocale::c()).captionText, std::nullopt);
}

TEST(SystemItems, OneDecimalUsesTheLocalesSeparator) {
    ReceiverState state;
    AccessorySerial serial;
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(applySystemItem(1, 15, state, serial, german).editText, "+1,5");
    state.TxFreq = 10 * kMHz;
    EXPECT_EQ(applySystemItem(7, 500, state, serial, german).editText, "33,0");
}

TEST(SystemItems, PepCorrectionAtTheBandEdges) {
    EXPECT_EQ(pepCorrection(-1), 170);
    EXPECT_EQ(pepCorrection(199'999'999), 170);
    EXPECT_EQ(pepCorrection(200'000'000), 170);
    EXPECT_EQ(pepCorrection(799'999'999), 209);
    EXPECT_EQ(pepCorrection(800'000'000), 210);
    EXPECT_EQ(pepCorrection(1'199'999'999), 249);
    EXPECT_EQ(pepCorrection(1'200'000'000), 250);
}

TEST(SystemItems, ContactBaudAndLimiterItemsStoreTheSettingsWordOthersDoNot) {
    for (int item = 0; item < 18; ++item) {
        ReceiverState state;
        AccessorySerial serial;
        state.SettingsWord = 0x11;
        applySystemItem(item, 0x0ABC'0000, state, serial, QLocale::c());
        const bool stores = item >= 11 && item <= 15;
        EXPECT_EQ(state.SettingsWord, stores ? 0x0ABC'0000u : 0x11u) << item;
    }
}

TEST(SystemItems, AChangedPriorityBitRebuildsTheGrid) {
    ReceiverState state;
    AccessorySerial serial;
    EXPECT_TRUE(applySystemItem(14, 1u << 31, state, serial, QLocale::c()).rebuildGrid);
    EXPECT_FALSE(applySystemItem(15, 1u << 31, state, serial, QLocale::c()).rebuildGrid);
}

TEST(SystemItems, GpsStandbySwitchesTheMainWindowsGpsLabelsOff) {
    ReceiverState state;
    AccessorySerial serial;
    const FormItemEffect standby = applySystemItem(16, 0x02, state, serial, QLocale::c());
    EXPECT_EQ(standby.mainTexts, (std::vector<MainText>{{MainControl::LUTC, "Off"},
                                                        {MainControl::LLat, "Off"},
                                                        {MainControl::LLong, "Off"},
                                                        {MainControl::LAlt, "Off"}}));
    EXPECT_TRUE(applySystemItem(16, 0x00, state, serial, QLocale::c()).mainTexts.empty());
}

TEST(AccessorySerial, AChangedNumberIsSentOnceAtClose) {
    ReceiverState state;
    AccessorySerial serial;
    applySystemItem(17, 0, state, serial, QLocale::c());
    EXPECT_EQ(serial.remembered(), 0);
    applySystemItem(17, 1234, state, serial, QLocale::c());
    EXPECT_EQ(serial.remembered(), 1234);
    EXPECT_EQ(serial.closing(), std::nullopt);
    applySystemItem(17, 1240, state, serial, QLocale::c());
    EXPECT_EQ(serial.remembered(), 1234);
    EXPECT_EQ(serial.closing(), std::optional<uint16_t>(1240));
    EXPECT_EQ(serial.closing(), std::nullopt);
    EXPECT_EQ(serial.remembered(), 1240);
}

} // namespace
