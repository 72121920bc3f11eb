#include "support/ParamFrames.h"
#include "sync/MainItemTexts.h"
#include "sync/MainItems.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace talix::sync;
using namespace talix::testing;

namespace {

const ControlChange* find(const ItemEffect& e, MainControl c, ControlChange::Kind kind) {
    for (const ControlChange& ch : e.changes)
        if (ch.control == c && ch.kind == kind)
            return &ch;
    return nullptr;
}

std::string textOf(const ItemEffect& e, MainControl c) {
    const ControlChange* ch = find(e, c, ControlChange::Text);
    return ch ? ch->text.toStdString() : "<none>";
}

std::vector<std::pair<int, int>> marksOf(const ItemEffect& e) {
    std::vector<std::pair<int, int>> out;
    for (const FieldMark& m : e.marks)
        out.emplace_back(m.tag, m.mark);
    return out;
}

struct TextCase {
    std::string name;
    int item;
    Words values;
    std::function<void(ReceiverState&)> setup;
    MainControl control;
    std::string text;
};

void none(ReceiverState&) {}
void dbuv(ReceiverState& s) {
    s.ReceiverFlags = 0x10;
}

const uint32_t kMinus1270 = uint32_t(-1270), kMinus730 = uint32_t(-730), kMinus729 = uint32_t(-729),
               kMinus1300 = uint32_t(-1300);

const std::vector<TextCase> kTexts = {
    {"SMeterS0", 40, {0, kMinus1270, 0}, none, MainControl::LSMeter, "S0.0"},
    {"SMeterS9", 40, {0, kMinus730, 0}, none, MainControl::LSMeter, "S9.0"},
    {"SMeterJustAboveS9", 40, {0, kMinus729, 0}, none, MainControl::LSMeter, "S9+0.1"},
    {"SMeterBelowS0", 40, {0, kMinus1300, 0}, none, MainControl::LSMeter, "S0 -3.0"},
    {"SMeterS4", 40, {0, uint32_t(-1030), 0}, none, MainControl::LSMeter, "S4.0"},
    {"LevelInDbm", 40, {uint32_t(-735), 0, 0}, none, MainControl::LPegel, "-73.5 dBm"},
    {"LevelInDbuV", 40, {412, 0, 0}, dbuv, MainControl::LPegel, "41.2 dBµV"},
    {"AlcInDbm", 40, {0, 0, 5}, none, MainControl::LALC, "0.5 dBm"},
    {"AttenuatorSix", 26, {6}, none, MainControl::L_Att, "0dB"},
    {"AttenuatorSeven", 26, {7}, none, MainControl::L_Att, "+1dB"},
    {"AttenuatorZero", 26, {0}, none, MainControl::L_Att, "-6dB"},
    {"AttenuatorZeroInDbuV", 26, {0}, dbuv, MainControl::L_Att, "+101dB"},
    {"ModulationFull", 19, {63}, none, MainControl::LMod, "100%"},
    {"ModulationTwenty", 19, {20}, none, MainControl::LMod, "32%"},
    {"ModulationBeyondFullScale", 19, {200}, none, MainControl::LMod, "100%"},
    {"HeadphoneFull", 20, {254}, none, MainControl::LHeadphone, "Headphone 100 %"},
    {"HeadphoneHalf", 20, {127}, none, MainControl::LHeadphone, "Headphone 50 %"},
    {"LoudspeakerHalf", 21, {127}, none, MainControl::LLoudspeaker, "Loudspeaker 50 %"},
    {"WaterfallHighTop", 35, {160}, none, MainControl::Lhigh, "101"},
    {"WaterfallLowTop", 36, {159}, none, MainControl::Llow, "99"},
    {"WaterfallHighBottom", 35, {1}, none, MainControl::Lhigh, "2"},
    {"FilterOffForModeOne", 33, {0, 0, 1}, none, MainControl::B_Filter, "Off"},
    {"FilterAverage", 33, {0, 0, 2}, none, MainControl::LRefresh, "AVG Factor"},
    {"FilterMaxHold", 33, {0, 0, 3}, none, MainControl::B_Filter, "Max Hold"},
    {"FilterMinHoldForZero", 33, {0, 0, 0}, none, MainControl::B_Filter, "Min Hold"},
    {"FilterMinHoldForFour", 33, {0, 0, 4}, none, MainControl::B_Filter, "Min Hold"},
    {"FilterOffRefreshEmpty", 33, {0, 0, 1}, none, MainControl::LRefresh, ""},
    {"UndoCount", 46, {12}, none, MainControl::EUndo, "12"},
    {"ClockCalibration", 50, {uint32_t(-17)}, none, MainControl::LCLK, "-17 Hz"},
    {"ProgrammeTypeCleared", 47, {0}, none, MainControl::LRDS, ""},
    {"ProgrammeType",
     47,
     {chars("Pop "), chars("Musi"), chars("c"), 0, 0},
     none,
     MainControl::LPTY,
     "Pop Music"},
    {"ProgrammeTypeAtMost19",
     47,
     {chars("ABCD"), chars("EFGH"), chars("IJKL"), chars("MNOP"), chars("QRST")},
     none,
     MainControl::LPTY,
     "ABCDEFGHIJKLMNOPQRS"},
    {"ProgrammeIdentWithTP",
     48,
     {chars("ABCD"), chars("EFGH"), chars("IJKL"), 1},
     none,
     MainControl::LPI,
     "ABCD  EFGHIJKL  TP"},
    {"ProgrammeIdentWithoutTP",
     48,
     {chars("ABCD"), chars("EFGH"), chars("IJKL"), 0},
     none,
     MainControl::LPI,
     "ABCD  EFGHIJKL  "},
    {"ProgrammeIdentShortName",
     48,
     {chars("D3"), chars("SWR"), 0, 0},
     none,
     MainControl::LPI,
     "D3  SWR  "},
    {"RadioTextCrLfRemoved",
     49,
     {chars("News"), chars(" at "), chars("six"), 0x000A0D20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     none,
     MainControl::LRDS,
     "News at six"},
    {"RadioTextTrailingBlanksRemoved",
     49,
     {chars("Hi  "), chars("    "), chars("    "), chars("    "), chars("    "), chars("    "),
      chars("    "), chars("    "), chars("    "), chars("    "), chars("    "), chars("    "),
      chars("    "), chars("    "), chars("    "), chars("    ")},
     none,
     MainControl::LRDS,
     "Hi"},
    {"RadioTextFirstCharacterStays",
     49,
     {chars("    "), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     none,
     MainControl::LRDS,
     " "},
    {"RadioTextWindows1252",
     49,
     {0x00E980A0 | 'x' << 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     none,
     MainControl::LRDS,
     "\u00A0€éx"},
    {"Utc",
     51,
     {chars("12:3"), chars("4:56"), 0, 0, 0, 0, 0, 0, 0, 0},
     none,
     MainControl::LUTC,
     "12:34:56"},
    {"LatitudeStopsAtZero",
     51,
     {0, 0, chars("48.1"), chars("2345"), chars(" N"), chars("xxxx"), 0, 0, 0, 0},
     none,
     MainControl::LLat,
     "48.12345 N"},
    {"LongitudeAtMost15",
     51,
     {0, 0, 0, 0, 0, 0, chars("0123"), chars("4567"), chars("89AB"), chars("CDEF")},
     none,
     MainControl::LLong,
     "0123456789ABCDE"},
    {"Altitude", 52, {chars(" 123"), chars(".5")}, none, MainControl::LAlt, " 123.5m"},
    {"AltitudeAtMost7", 52, {chars("1234"), chars("5678")}, none, MainControl::LAlt, "1234567m"},
};

class ItemText : public ::testing::TestWithParam<TextCase> {};

} // namespace

TEST_P(ItemText, ShowsTheText) {
    const TextCase& c = GetParam();
    ReceiverState s;
    c.setup(s);
    const MainItems items(QLocale::c());
    const ItemEffect e = items.apply(s, c.item, c.values, valueWord(c.item));
    EXPECT_EQ(textOf(e, c.control), c.text);
}

INSTANTIATE_TEST_SUITE_P(Items, ItemText, ::testing::ValuesIn(kTexts),
                         [](const auto& info) { return info.param.name; });

TEST(MainItems, TextsUseTheHostDecimalSeparator) {
    ReceiverState s;
    const MainItems items(QLocale(QLocale::German, QLocale::Germany));
    const ItemEffect e = items.apply(s, 40, Words{uint32_t(-735), kMinus729, 12}, valueWord(40));
    EXPECT_EQ(textOf(e, MainControl::LPegel), "-73,5 dBm");
    EXPECT_EQ(textOf(e, MainControl::LSMeter), "S9+0,1");
}

TEST(MainItems, FrequenciesSentTwiceChangeNothingTheSecondTime) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    const Words f{1'450'000'000, 1'449'000'000, 7};
    ItemEffect e = items.apply(s, 0, f, valueWord(0));
    EXPECT_EQ(s.TunedFreq, 1'450'000'000);
    EXPECT_EQ(s.SpectrumLeftFreq, 1'449'000'000);
    EXPECT_EQ(s.FreqAux, 7);
    EXPECT_EQ(marksOf(e), (std::vector<std::pair<int, int>>{{0, 1}, {33, 1}, {35, 1}}));
    EXPECT_TRUE(e.repaint);
    e = items.apply(s, 0, f, valueWord(0, 0, true));
    EXPECT_TRUE(e.marks.empty());
    EXPECT_TRUE(e.changes.empty());
    EXPECT_FALSE(e.repaint);
}

TEST(MainItems, TenthsFlagMarksTheFrequencyTwo) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    const ItemEffect e = items.apply(s, 0, Words{5, 6, 7}, valueWord(0, 0, true));
    EXPECT_EQ(marksOf(e)[0], (std::pair<int, int>{0, 2}));
}

TEST(MainItems, LevelScaleFollowsThe30MHzCrossing) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    auto scale = [](const ItemEffect& e) {
        return textOf(e, MainControl::LM120dBm) + " " + textOf(e, MainControl::LM80dBm) + " " +
               textOf(e, MainControl::LM40dBm) + " " + textOf(e, MainControl::L0dBm);
    };
    s.TunedFreq = 1'450'000'000;
    ItemEffect e = items.apply(s, 0, Words{71'000'000, 0, 0}, valueWord(0));
    EXPECT_EQ(scale(e), "-120 -80 -40 0");
    e = items.apply(s, 0, Words{1'450'000'000, 0, 0}, valueWord(0));
    EXPECT_EQ(scale(e), "-140 -100 -60 -20");
    s.TunedFreq = 71'000'000;
    e = items.apply(s, 0, Words{142'000'000, 0, 0}, valueWord(0));
    EXPECT_EQ(scale(e), "<none> <none> <none> <none>");
    s.ReceiverFlags = 0x10;
    e = items.apply(s, 0, Words{300'000'001, 0, 0}, valueWord(0));
    EXPECT_EQ(scale(e), "-33 +7 +47 +87");
    e = items.apply(s, 0, Words{300'000'000, 0, 0}, valueWord(0));
    EXPECT_EQ(scale(e), "-13 +27 +67 +107");
}

TEST(MainItems, CrossingTenMegahertzInModeFiveRebuildsThePassbandMarks) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    s.ModeIndex = 5;
    s.TunedFreq = 99'999'999;
    EXPECT_TRUE(items.apply(s, 0, Words{100'000'000, 0, 0}, valueWord(0)).rebuildGrid);
    EXPECT_FALSE(items.apply(s, 0, Words{140'000'000, 0, 0}, valueWord(0)).rebuildGrid);
    s.ModeIndex = 3;
    EXPECT_FALSE(items.apply(s, 0, Words{1'000, 0, 0}, valueWord(0)).rebuildGrid);
}

TEST(MainItems, ReadoutItemsStoreAndMark) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    ItemEffect e = items.apply(s, 3, Words{0xFFFF0000 | uint16_t(-250)}, valueWord(3));
    EXPECT_EQ(s.Shift, -250);
    EXPECT_EQ(marksOf(e), (std::vector<std::pair<int, int>>{{3, 1}}));
    e = items.apply(s, 9, Words{64}, valueWord(9));
    EXPECT_FLOAT_EQ(s.BinHz, 160.0f);
    EXPECT_TRUE(e.rebuildGrid);
    EXPECT_EQ(marksOf(e), (std::vector<std::pair<int, int>>{{9, 1}, {30, 1}, {33, 1}, {35, 1}}));
    e = items.apply(s, 1, Words{7}, valueWord(1));
    EXPECT_TRUE(e.rebuildGrid); // BinHz 160
    e = items.apply(s, 2, Words{2400}, valueWord(2));
    EXPECT_TRUE(e.rebuildGrid); // FM mode at 160 Hz per bin
    EXPECT_EQ(s.Bandwidth, 2400);
    e = items.apply(s, 13, Words{20}, valueWord(13));
    EXPECT_EQ(marksOf(e), (std::vector<std::pair<int, int>>{{13, 1}, {36, 1}}));
    e = items.apply(s, 32, Words{10'000}, valueWord(32, 0, true));
    EXPECT_EQ(marksOf(e), (std::vector<std::pair<int, int>>{{32, 2}}));
    EXPECT_EQ(s.TuneStep, 10'000);
}

TEST(MainItems, TopLevelMarksOnlyWhenItChanges) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    ItemEffect e = items.apply(s, 10, Words{0x1234}, valueWord(10));
    EXPECT_EQ(s.TopLevel, 0x34);
    EXPECT_TRUE(e.placeThresholdLine);
    EXPECT_EQ(marksOf(e), (std::vector<std::pair<int, int>>{{10, 1}, {31, 1}, {34, 1}}));
    e = items.apply(s, 10, Words{0x34}, valueWord(10));
    EXPECT_TRUE(e.marks.empty());
    EXPECT_FALSE(e.repaint);
    EXPECT_FALSE(e.placeThresholdLine);
}

TEST(MainItems, NotchItemFollowsTheAutomaticBit) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    items.apply(s, 25, Words{0x0703}, valueWord(25));
    EXPECT_EQ(s.GainCtrlIndex, 3);
    EXPECT_EQ(s.NotchIndex, 7);
    items.apply(s, 5, Words{0xABCD}, valueWord(5));
    EXPECT_EQ(s.NotchPos, int16_t(0xABCD));
    s.SettingsWord = 1u << 28;
    items.apply(s, 5, Words{0x42}, valueWord(5));
    EXPECT_EQ(s.AutoNotch[7], 0x42);
}

TEST(MainItems, SliderRuleMovesOnlyWhenDifferentAndNeverForAUserMove) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    s.Sliders.SBKH = 100;
    ItemEffect e = items.apply(s, 20, Words{127}, valueWord(20));
    const ControlChange* move = find(e, MainControl::SBKH, ControlChange::MoveSlider);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(move->value, 127);
    EXPECT_EQ(textOf(e, MainControl::LHeadphone), "Headphone 50 %");

    // Already there: no move, nothing that could be echoed.
    s.Sliders.SBKH = 127;
    e = items.apply(s, 20, Words{127}, valueWord(20));
    EXPECT_EQ(find(e, MainControl::SBKH, ControlChange::MoveSlider), nullptr);

    // A value word with a nonzero upper half stores the value and labels the bar where it stands.
    s.Sliders.SBKH = 254;
    e = items.apply(s, 20, Words{0x00010000 | 127}, valueWord(20));
    EXPECT_EQ(find(e, MainControl::SBKH, ControlChange::MoveSlider), nullptr);
    EXPECT_EQ(s.HeadphoneVolume, 127);
    EXPECT_EQ(textOf(e, MainControl::LHeadphone), "Headphone 100 %");

    // Track bars: a value beyond the bar's range moves it to its end, once.
    s.Sliders.TB_Att = 20;
    e = items.apply(s, 26, Words{50}, valueWord(26));
    EXPECT_EQ(find(e, MainControl::TB_Att, ControlChange::MoveSlider)->value, 35);
    s.Sliders.TB_Att = 35;
    e = items.apply(s, 26, Words{50}, valueWord(26));
    EXPECT_EQ(find(e, MainControl::TB_Att, ControlChange::MoveSlider), nullptr);

    s.Sliders.TBWFH = 70;
    e = items.apply(s, 35, Words{0x00FF0000 | 160}, valueWord(35));
    EXPECT_EQ(find(e, MainControl::TBWFH, ControlChange::MoveSlider), nullptr);
    EXPECT_EQ(textOf(e, MainControl::Lhigh), "45");
}

TEST(MainItems, SpeakerVolumeAndBrightnessReachTheHost) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    ItemEffect e = items.apply(s, 21, Words{200}, valueWord(21));
    EXPECT_EQ(e.playbackVolume, std::optional<uint8_t>(200));
    e = items.apply(s, 28, Words{0x00010028}, valueWord(28));
    EXPECT_EQ(s.Brightness, 40);
    EXPECT_EQ(e.brightnessReport, std::optional<uint32_t>(0x00010028));
}

TEST(MainItems, ModulationColours) {
    EXPECT_EQ(modulationColour(63, false, 0), 0xFFFF0000u);
    EXPECT_EQ(modulationColour(20, false, 1u << 21), 0xFFFFFF00u);
    EXPECT_EQ(modulationColour(20, false, 1u << 20), 0xFF00FF00u);
    EXPECT_EQ(modulationColour(32, false, 1u << 20), 0xFFFFFF00u);
    EXPECT_EQ(modulationColour(15, false, 1u << 21), 0xFF00FF00u);
    EXPECT_EQ(modulationColour(63, true, 0), 0xFF00FFFFu);

    ReceiverState s;
    const MainItems items(QLocale::c());
    const ItemEffect e = items.apply(s, 19, Words{63}, valueWord(19));
    EXPECT_EQ(find(e, MainControl::PBMod, ControlChange::BarValue)->value, 100);
    EXPECT_EQ(find(e, MainControl::LMod, ControlChange::FontColour)->argb, 0xFFFF0000u);
}

TEST(MainItems, TransmitColourIgnoresUnknownCodes) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    EXPECT_EQ(find(items.apply(s, 42, Words{0}, valueWord(42)), MainControl::EFreq2,
                   ControlChange::FontColour)
                  ->argb,
              0xFF90EE90u);
    EXPECT_EQ(find(items.apply(s, 42, Words{2}, valueWord(42)), MainControl::EFreq2,
                   ControlChange::FontColour)
                  ->argb,
              0xFFFF0000u);
    EXPECT_TRUE(items.apply(s, 42, Words{3}, valueWord(42)).changes.empty());
}

TEST(MainItems, ButtonsArrowAndIndicators) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    EXPECT_EQ(find(items.apply(s, 34, Words{1u << 29}, valueWord(34)), MainControl::B_Lock,
                   ControlChange::Pressed)
                  ->value,
              1);
    EXPECT_EQ(find(items.apply(s, 43, Words{0x20}, valueWord(43)), MainControl::B_Stereo,
                   ControlChange::Pressed)
                  ->value,
              1);
    EXPECT_EQ(s.ReceiverFlags, 0x20);
    ItemEffect e = items.apply(s, 44, Words{1}, valueWord(44));
    EXPECT_EQ(find(e, MainControl::CB_Arrow, ControlChange::Rotation)->value, 270);
    e = items.apply(s, 44, Words{5}, valueWord(44));
    EXPECT_EQ(find(e, MainControl::CB_Arrow, ControlChange::Rotation)->value, 90);
    e = items.apply(s, 44, Words{0}, valueWord(44));
    EXPECT_EQ(find(e, MainControl::CB_Arrow, ControlChange::Visible)->value, 0);
    EXPECT_EQ(find(e, MainControl::CB_Arrow, ControlChange::Rotation), nullptr);
    e = items.apply(s, 45, Words{1}, valueWord(45));
    EXPECT_EQ(find(e, MainControl::RPegel, ControlChange::Fill)->argb, 0xFFFF0000u);
    EXPECT_NE(find(e, MainControl::RPegel, ControlChange::RepaintNow), nullptr);
    e = items.apply(s, 41, Words{uint32_t(-731)}, valueWord(41));
    EXPECT_EQ(s.LevelMarker, -731);
    EXPECT_NE(find(e, MainControl::RPegel, ControlChange::RepaintNow), nullptr);
    e = items.apply(s, 41, Words{uint32_t(-731)}, valueWord(41));
    EXPECT_TRUE(e.changes.empty());
    e = items.apply(s, 54, Words{1}, valueWord(54));
    EXPECT_EQ(e.modalMessage, QString("Options NOT set!"));
    e = items.apply(s, 54, Words{0}, valueWord(54));
    EXPECT_EQ(e.modalMessage, QString("Options set successfully!"));
}

TEST(MainItems, PassbandAndMarkerAreStoredAndTheMarkerRedrawn) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    ItemEffect e = items.apply(s, 33, Words{0x01FF00FF, 0x02000100, 3}, valueWord(33));
    EXPECT_EQ(s.PassbandLo, 0x100);
    EXPECT_EQ(s.PassbandHi, 0x200);
    EXPECT_EQ(s.MarkerLo, 0x101);
    EXPECT_EQ(s.MarkerHi, 0x201);
    EXPECT_TRUE(e.markerPathChanged);
    EXPECT_EQ(find(e, MainControl::Lms, ControlChange::Visible)->value, 1);
    s.SettingsWord = 1u << 31;
    items.apply(s, 33, Words{0xFFFFFFFF, 0, 1}, valueWord(33));
    EXPECT_EQ(s.PassbandLo, 0); // 16-bit arithmetic
    EXPECT_EQ(s.MarkerLo, 1);
}

TEST(MainItems, RotatorReports) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    const uint32_t address = 192u | 168u << 8 | 4u << 16 | 7u << 24;
    ItemEffect e = items.apply(s, 55, Words{0x0000742D, address}, valueWord(55));
    ASSERT_TRUE(e.rotator);
    EXPECT_EQ(e.rotator->kind, RotatorReport::Present);
    EXPECT_EQ(e.rotator->connectText, "KAP connected!");
    EXPECT_EQ(e.rotator->currentText, "45 mA");
    EXPECT_EQ(e.rotator->position, 116);
    EXPECT_EQ(e.rotator->address, "192.168.4.7");
    EXPECT_EQ(find(e, MainControl::B_KAP, ControlChange::Pressed)->value, 1);
    e = items.apply(s, 56, Words{0x0B, address}, valueWord(56));
    EXPECT_EQ(e.rotator->versionText, "Ver: 0B");
    e = items.apply(s, 57, Words{0}, valueWord(57));
    EXPECT_EQ(e.rotator->connectText, "KAP not found!");
    EXPECT_EQ(find(e, MainControl::B_KAP, ControlChange::Pressed)->value, 0);
}

TEST(MainItems, SlideStreamCollectsAnnouncedPicture) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    // No picture announced: the bytes are skipped.
    ItemEffect e = items.apply(s, 59, Words{4, chars("abcd")}, valueWord(59));
    EXPECT_TRUE(s.SlideStream.isEmpty());
    EXPECT_FALSE(e.slideProgress);

    e = items.apply(s, 58, Words{0x30000006, 9}, valueWord(58));
    EXPECT_EQ(s.slidePictureSize(), 6u);
    EXPECT_EQ(e.slideProgress, std::optional<int>(0));
    e = items.apply(s, 59, Words{3, chars("abcX")}, valueWord(59));
    EXPECT_EQ(s.SlideStream, QByteArray("abc"));
    EXPECT_EQ(e.slideProgress, std::optional<int>(50));
    EXPECT_FALSE(e.slideComplete);
    e = items.apply(s, 59, Words{3, chars("def")}, valueWord(59));
    EXPECT_TRUE(e.slideComplete);
    EXPECT_EQ(s.SlideStream, QByteArray("abcdef"));
    MainItems::finishSlide(s);
    EXPECT_TRUE(s.SlideStream.isEmpty());
    EXPECT_EQ(s.SlideHeader[0], 0x30000000u);
}

TEST(MainItems, SlideStreamBeyondTheCapIsDropped) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    items.apply(s, 58, Words{0x0FFFFFFF, 0}, valueWord(58)); // 256 MiB announced
    Words chunk(1 + 120, 0x11111111);
    chunk[0] = 480;
    qsizetype collected = 0;
    while (collected + 480 <= kSlideStreamCap) {
        items.apply(s, 59, chunk, valueWord(59));
        collected += 480;
    }
    EXPECT_EQ(s.SlideStream.size(), collected);
    const ItemEffect e = items.apply(s, 59, chunk, valueWord(59));
    EXPECT_TRUE(s.SlideStream.isEmpty());
    EXPECT_EQ(s.slidePictureSize(), 0u);
    EXPECT_EQ(e.slideProgress, std::optional<int>(0));
    // Until the next announcement the bytes are skipped.
    items.apply(s, 59, chunk, valueWord(59));
    EXPECT_TRUE(s.SlideStream.isEmpty());
}

TEST(MainItems, ItemsWithoutEffectOrEnoughWordsChangeNothing) {
    ReceiverState s;
    const MainItems items(QLocale::c());
    for (int item : {29, 30, 31, 37, 38, 60, 200}) {
        const ItemEffect e = items.apply(s, item, Words{1}, valueWord(item));
        EXPECT_TRUE(e.changes.empty() && e.marks.empty() && !e.repaint) << item;
    }
    EXPECT_TRUE(items.apply(s, 0, Words{1, 2}, valueWord(0)).marks.empty());
    EXPECT_EQ(s.TunedFreq, 0);
    EXPECT_TRUE(items.apply(s, 49, Words{1, 2, 3}, valueWord(49)).changes.empty());
}
