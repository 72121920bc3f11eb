#include "base/Palette.h"
#include "display/readouts/ReadoutFormat.h"
#include "display/readouts/ReadoutNumbers.h"

#include <functional>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::display;

namespace {

const QLocale kEn(QLocale::English, QLocale::UnitedStates);
const QLocale kDe(QLocale::German, QLocale::Germany);

constexpr uint8_t kAgcAutoBit2 = 0x04;

struct TextCase {
    const char* name;
    std::function<QString()> compose;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadoutText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReadoutText, IsComposedAsTheTableSays) {
    EXPECT_EQ(GetParam().compose().toStdString(), GetParam().expected);
}

// clang-format off
const TextCase kCases[] = {
    // Frequencies in 0.1 Hz: whole for mark 1, tenths for mark 2, 11 digits, host separators.
    {"freq_mark1", [] { return frequencyText(1'450'000'000, 1, kEn); }, "1,450,000,000"},
    {"freq_mark2", [] { return frequencyText(1'450'000'000, 2, kEn); }, "145,000,000.0"},
    {"freq_mark2_de", [] { return frequencyText(71'000'005, 2, kDe); }, "7.100.000,5"},
    {"freq_mark1_de", [] { return frequencyText(71'000'005, 1, kDe); }, "71.000.005"},
    {"freq_max_int32", [] { return frequencyText(2'147'483'647, 1, kEn); }, "2,147,483,647"},
    {"freq_zero", [] { return frequencyText(0, 2, kEn); }, "0.0"},
    {"freq_tx_mark2", [] { return frequencyText(1'440'012'345, 2, kEn); }, "144,001,234.5"},
    // Mode names; unnamed indexes show nothing.
    {"mode_0", [] { return modeName(0); }, "SYNC"},
    {"mode_1", [] { return modeName(1); }, "DSB"},
    {"mode_2", [] { return modeName(2); }, "LSB"},
    {"mode_3", [] { return modeName(3); }, "USB"},
    {"mode_4", [] { return modeName(4); }, "EUSB"},
    {"mode_5", [] { return modeName(5); }, "SBCW"},
    {"mode_6", [] { return modeName(6); }, "CW"},
    {"mode_7", [] { return modeName(7); }, "FM-N"},
    {"mode_8", [] { return modeName(8); }, "FM-W"},
    {"mode_9", [] { return modeName(9); }, "USBQ"},
    {"mode_10", [] { return modeName(10); }, "DSBQ"},
    {"mode_11", [] { return modeName(11); }, "AM-E"},
    {"mode_25", [] { return modeName(25); }, "LSBQ"},
    {"mode_41", [] { return modeName(41); }, "DIGI"},
    {"mode_12_unnamed", [] { return modeName(12); }, ""},
    {"mode_40_unnamed", [] { return modeName(40); }, ""},
    {"mode_255_unnamed", [] { return modeName(255); }, ""},
    // Bandwidth: Hz from 10, codes 0..7, nothing for 8 and 9.
    {"bw_10", [] { return bandwidthText(10, kEn); }, "10"},
    {"bw_2400", [] { return bandwidthText(2400, kEn); }, "2,400"},
    {"bw_2400_de", [] { return bandwidthText(2400, kDe); }, "2.400"},
    {"bw_65535", [] { return bandwidthText(65535, kEn); }, "65,535"},
    {"bw_code0", [] { return bandwidthText(0, kEn); }, "38k S"},
    {"bw_code1", [] { return bandwidthText(1, kEn); }, "50k S"},
    {"bw_code2", [] { return bandwidthText(2, kEn); }, "60k HQ"},
    {"bw_code3", [] { return bandwidthText(3, kEn); }, "60k S"},
    {"bw_code4", [] { return bandwidthText(4, kEn); }, "120k HQ"},
    {"bw_code5", [] { return bandwidthText(5, kEn); }, "140k S"},
    {"bw_code6", [] { return bandwidthText(6, kEn); }, "240k HQ"},
    {"bw_code7", [] { return bandwidthText(7, kEn); }, "300k HQ"},
    {"bw_code8", [] { return bandwidthText(8, kEn); }, ""},
    {"bw_code9", [] { return bandwidthText(9, kEn); }, ""},
    // Shift: magnitude then sign; the sign shows in front under right-to-left layout.
    {"shift_0", [] { return shiftText(0, kEn); }, "0"},
    {"shift_-250", [] { return shiftText(-250, kEn); }, "250-"},
    {"shift_250", [] { return shiftText(250, kEn); }, "250+"},
    {"shift_-1500", [] { return shiftText(-1500, kEn); }, "1,500-"},
    {"shift_min", [] { return shiftText(-32768, kEn); }, "32,768-"},
    // Notch width and position.
    {"notchw_150", [] { return notchWidthText(150, kEn); }, "150"},
    {"notchw_1500", [] { return notchWidthText(1500, kEn); }, "1,500"},
    {"notchp_19999", [] { return notchPositionText(false, 0, 19999, kEn); }, "19,999+"},
    {"notchp_-19999", [] { return notchPositionText(false, 0, -19999, kEn); }, "19,999-"},
    {"notchp_20000", [] { return notchPositionText(false, 0, 20000, kEn); }, ">19.999"},
    {"notchp_-20000", [] { return notchPositionText(false, 0, -20000, kEn); }, ">19.999"},
    {"notchp_max", [] { return notchPositionText(false, 0, 32767, kEn); }, ">19.999"},
    {"notchp_min", [] { return notchPositionText(false, 0, -32768, kEn); }, ">19.999"},
    {"notchp_0", [] { return notchPositionText(false, 0, 0, kEn); }, "0"},
    {"notchp_auto", [] { return notchPositionText(true, 25, 1234, kEn); }, "Auto 1.0"},
    {"notchp_auto_de", [] { return notchPositionText(true, 37, 0, kDe); }, "Auto 1,5"},
    {"notchp_auto_255", [] { return notchPositionText(true, 255, 0, kEn); }, "Auto 10.2"},
    // AGC limit / RF gain by ReceiverFlags bits 0 and 4, truncating toward zero.
    {"agcl_dbuv", [] { return agcLimitText(100, 0x11, kEn); }, "17+"},
    {"agcl_dbuv_trunc", [] { return agcLimitText(1, 0x11, kEn); }, "32-"},
    {"agcl_dbuv_zero", [] { return agcLimitText(66, 0x11, kEn); }, "0"},
    {"agcl_dbm", [] { return agcLimitText(100, 0x01, kEn); }, "90-"},
    {"agcl_dbm_trunc", [] { return agcLimitText(279, 0x01, kEn); }, "0"},
    {"agcl_gain", [] { return agcLimitText(100, 0x00, kEn); }, "90+"},
    {"agcl_gain_dbuv_flag", [] { return agcLimitText(100, 0x10, kEn); }, "90+"},
    {"agcl_gain_max", [] { return agcLimitText(65535, 0x00, kEn); }, "32,627-"},
    // Threshold: "Off" in every unit mode, else dBm or dBµV.
    {"thresh_off_dbm", [] { return thresholdText(0, 0x00, kEn); }, "Off"},
    {"thresh_off_dbuv", [] { return thresholdText(0, 0x10, kEn); }, "Off"},
    {"thresh_off_all", [] { return thresholdText(0, 0xFF, kEn); }, "Off"},
    {"thresh_dbm", [] { return thresholdText(100, 0x00, kEn); }, "90-"},
    {"thresh_dbuv", [] { return thresholdText(100, 0x10, kEn); }, "17+"},
    {"thresh_dbm_trunc", [] { return thresholdText(279, 0x00, kEn); }, "0"},
    {"thresh_dbm_plus", [] { return thresholdText(300, 0x00, kEn); }, "10+"},
    {"dnr", [] { return dnrText(12, kEn); }, "12"},
    // Bin width and division width at 2.5, 640 and 640.5 Hz per bin.
    {"reso_2.5", [] { return binWidthText(2.5f, kEn).number; }, "2.5"},
    {"reso_2.5_unit", [] { return binWidthText(2.5f, kEn).unit; }, "Hz"},
    {"reso_2.5_de", [] { return binWidthText(2.5f, kDe).number; }, "2,5"},
    {"reso_1", [] { return binWidthText(1.0f, kEn).number; }, "1.0"},
    {"reso_5", [] { return binWidthText(5.0f, kEn).number; }, "5"},
    {"reso_640", [] { return binWidthText(640.0f, kEn).number; }, "640"},
    {"reso_640_unit", [] { return binWidthText(640.0f, kEn).unit; }, "Hz"},
    {"reso_640.5", [] { return binWidthText(640.5f, kEn).number; }, "0.64"},
    {"reso_640.5_unit", [] { return binWidthText(640.5f, kEn).unit; }, "kHz"},
    {"reso_2000", [] { return binWidthText(2000.0f, kEn).number; }, "2.00"},
    {"resod_2.5", [] { return divisionWidthText(2.5f, kEn).number; }, "160"},
    {"resod_2.5_unit", [] { return divisionWidthText(2.5f, kEn).unit; }, "Hz"},
    {"resod_10", [] { return divisionWidthText(10.0f, kEn).number; }, "640"},
    {"resod_10_unit", [] { return divisionWidthText(10.0f, kEn).unit; }, "Hz"},
    {"resod_12.5", [] { return divisionWidthText(12.5f, kEn).number; }, "0.80"},
    {"resod_640", [] { return divisionWidthText(640.0f, kEn).number; }, "40.96"},
    {"resod_640_unit", [] { return divisionWidthText(640.0f, kEn).unit; }, "kHz"},
    {"resod_640.5", [] { return divisionWidthText(640.5f, kEn).number; }, "40.99"},
    {"resod_640.5_de", [] { return divisionWidthText(640.5f, kDe).number; }, "40,99"},
    // Spectrum levels.
    {"ltop_dbm_0", [] { return topLevelText(170, 0x00); }, "0"},
    {"ltop_dbm_plus", [] { return topLevelText(200, 0x00); }, "30+"},
    {"ltop_dbm_minus", [] { return topLevelText(100, 0x00); }, "70-"},
    {"ltop_dbuv", [] { return topLevelText(100, 0x10); }, "50+"},
    {"ltop_no_separator", [] { return topLevelText(0, 0x00); }, "170-"},
    {"lbot_dbm", [] { return bottomLevelText(170, 10, 0x00); }, "80-"},
    {"lbot_dbuv", [] { return bottomLevelText(170, 10, 0x10); }, "40+"},
    {"lbot_zero", [] { return bottomLevelText(250, 10, 0x00); }, "0"},
    {"lbot_large", [] { return bottomLevelText(0, 255, 0x00); }, "2210-"},
    {"span", [] { return spanText(10); }, "10"},
    // Refresh time and averaging factor.
    {"refresh_avg_8", [] { return refreshText(3 << 9, 2, kEn); }, "x8"},
    {"refresh_avg_1", [] { return refreshText(40, 2, kEn); }, "x1"},
    {"refresh_avg_high_bits", [] { return refreshText(3 << 9, 0xFE, kEn); }, "x8"},
    {"refresh_avg_max", [] { return refreshText(31 << 9, 2, kEn); }, "x2147483648"},
    {"refresh_ms", [] { return refreshText(40, 1, kEn); }, "1,000"},
    {"refresh_ms_ignores_high_bits", [] { return refreshText((5 << 9) | 40, 0, kEn); }, "1,000"},
    {"refresh_ms_399", [] { return refreshText(399, 3, kEn); }, "9,975"},
    {"refresh_ms_0", [] { return refreshText(0, 1, kEn); }, "0"},
    {"refresh_400", [] { return refreshText(400, 1, kEn); }, "  ~  "},
    {"refresh_511", [] { return refreshText(511, 0, kEn); }, "  ~  "},
    // Waterfall time per division.
    {"time_16", [] { return timePerDivisionText(16, 0, kEn); }, "8.0"},
    {"time_16_div2", [] { return timePerDivisionText(16, 1u << 29, kEn); }, "16.0"},
    {"time_16_div4", [] { return timePerDivisionText(16, 3u << 29, kEn); }, "32.0"},
    {"time_16_other_bits", [] { return timePerDivisionText(16, 0x9FFFFFFFu, kEn); }, "8.0"},
    {"time_1_de", [] { return timePerDivisionText(1, 0, kDe); }, "0,5"},
    {"time_255_div4", [] { return timePerDivisionText(255, 3u << 29, kEn); }, "510.0"},
    {"bright", [] { return percentText(50); }, "50%"},
    {"bright_max", [] { return percentText(255); }, "255%"},
    // Noise blanker.
    {"nbp", [] { return nbLevelText(7); }, "7"},
    {"nbd_mark1", [] { return nbDurationText(25, 1, kEn); }, "25"},
    {"nbd_mark2", [] { return nbDurationText(25, 2, kEn); }, "2.5"},
    {"nbd_mark2_de", [] { return nbDurationText(25, 2, kDe); }, "2,5"},
    // AGC hold and attack, automatic or "M" / "Man".
    {"hold_mark1", [] { return agcHoldText(0x1234, true, 1, kEn); }, "52"},
    {"hold_mark2", [] { return agcHoldText(0x1234, true, 2, kEn); }, "5.2"},
    {"hold_manual", [] { return agcHoldText(0x1234, false, 2, kEn); }, "M"},
    {"attack_mark1", [] { return agcAttackText(1234, true, 1, kEn); }, "1,234"},
    {"attack_mark2", [] { return agcAttackText(1234, true, 2, kEn); }, "123.4"},
    {"attack_manual", [] { return agcAttackText(1234, false, 1, kEn); }, "Man"},
    // Tuning step, 7 digits.
    {"step_mark1", [] { return stepText(10'000, 1, kEn); }, "10,000"},
    {"step_mark2", [] { return stepText(10'000, 2, kEn); }, "1,000.0"},
    {"step_833", [] { return stepText(83'333, 2, kEn); }, "8,333.3"},
    {"step_mark2_de", [] { return stepText(83'333, 2, kDe); }, "8.333,3"},
    {"step_7_digits", [] { return stepText(9'999'999, 1, kEn); }, "9,999,999"},
    {"step_8_digits_exponent", [] { return stepText(10'000'000, 1, kEn); }, "1.000000E+07"},
    // Number notation itself.
    {"n_c_locale_groups", [] { return numberText(1234567, 0, QLocale::c()); }, "1,234,567"},
    {"n_rounding_carry", [] { return numberText(9'999'999.96, 1, kEn); }, "1.000000E+07"},
    {"i_plain", [] { return integerText(1234567); }, "1234567"},
    {"i_signed", [] { return signedIntegerText(-1234); }, "1234-"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Table, ReadoutText, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return n;
});

TEST(ModeColour, LightPinkBelowSevenYellowFromSeven) {
    struct Case {
        uint8_t mode;
        QRgb colour;
    };
    for (const Case c : {Case{0, kLightPink}, Case{6, kLightPink}, Case{7, kYellow},
                         Case{11, kYellow}, Case{25, kYellow}, Case{41, kYellow}})
        EXPECT_EQ(modeColour(c.mode), c.colour) << int(c.mode);
}

TEST(UnitReadout, KhzMovesTheNumber90AndHz65) {
    EXPECT_EQ(binWidthText(640.5f, kEn).unitWidth, 90);
    EXPECT_EQ(binWidthText(640.0f, kEn).unitWidth, 65);
    EXPECT_EQ(binWidthText(2.5f, kEn).unitWidth, 65);
    EXPECT_EQ(divisionWidthText(10.5f, kEn).unitWidth, 90);
    EXPECT_EQ(divisionWidthText(10.0f, kEn).unitWidth, 65);
}

TEST(AgcAutomatic, ReadsTheFlagNumberedByGainCtrlIndexModulo32) {
    struct Case {
        uint8_t flags;
        uint8_t index;
        bool automatic;
    };
    for (const Case c :
         {Case{kAgcAutoBit2, 2, true}, Case{kAgcAutoBit2, 3, false}, Case{kAgcAutoBit2, 34, true},
          Case{0xFF, 9, false}, Case{0x80, 7, true}, Case{0x00, 0, false}})
        EXPECT_EQ(agcAutomatic(c.flags, c.index), c.automatic)
            << int(c.flags) << " " << int(c.index);
}

} // namespace
