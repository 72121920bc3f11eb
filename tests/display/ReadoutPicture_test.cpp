#include "base/Palette.h"
#include "display/readouts/ReadoutPicture.h"

#include <gtest/gtest.h>

using namespace talix;
using namespace talix::display;

namespace {

const QLocale kEn(QLocale::English, QLocale::UnitedStates);

FieldRequest request(Field f, int mark = 1, bool selected = false) {
    const ReadoutPlace* p = readoutPlace(int(f));
    return {f, mark, selected, QRectF(p->rect()), p->colour};
}

TEST(ReadoutPicture, EditBoxIsInsetTwoAndTextBoxFourMoreOnTheRight) {
    ReadoutState s;
    s.tunedFreq = 1'450'000'000;
    const ReadoutPicture p = composeReadout(request(Field::EFreq1), s, kEn);
    EXPECT_EQ(p.box, QRectF(QPointF(2, 2), QPointF(466, 98)));
    ASSERT_EQ(p.texts.size(), 1u);
    EXPECT_EQ(p.texts[0].box, QRectF(QPointF(2, 2), QPointF(462, 98)));
    EXPECT_EQ(p.texts[0].text, "1,450,000,000");
    EXPECT_FALSE(p.texts[0].centred);
    EXPECT_FALSE(p.filled);
    EXPECT_EQ(p.textColour, kPaleGreen);
    EXPECT_TRUE(p.ownFont);
}

TEST(ReadoutPicture, SelectedFieldIsInverted) {
    ReadoutState s;
    s.tunedFreq = 1'450'000'000;
    const ReadoutPicture p = composeReadout(request(Field::EFreq1, 2, true), s, kEn);
    EXPECT_TRUE(p.filled);
    EXPECT_EQ(p.fillColour, kPaleGreen);
    EXPECT_EQ(p.textColour, kBlack);
    EXPECT_EQ(p.texts.at(0).text, "145,000,000.0");
}

TEST(ReadoutPicture, TenthsFormatOnlyForTheSixFields) {
    ReadoutState s;
    s.dnr = 25;
    s.nbDuration = 25;
    EXPECT_EQ(composeReadout(request(Field::EDNR, 2), s, kEn).texts.at(0).text, "25");
    EXPECT_EQ(composeReadout(request(Field::ENBD, 2), s, kEn).texts.at(0).text, "2.5");
    EXPECT_TRUE(hasTenthsFormat(Field::ENBD));
    EXPECT_FALSE(hasTenthsFormat(Field::EDNR));
}

TEST(ReadoutPicture, ModeNameCentredAndTheControlTakesTheModeColour) {
    ReadoutState s;
    s.modeIndex = 6;
    ReadoutPicture p = composeReadout(request(Field::EDemod), s, kEn);
    EXPECT_EQ(p.texts.at(0).text, "CW");
    EXPECT_TRUE(p.texts.at(0).centred);
    EXPECT_EQ(p.newControlColour, kLightPink);
    EXPECT_EQ(p.textColour, kLightPink);

    s.modeIndex = 7;
    p = composeReadout(request(Field::EDemod, 1, true), s, kEn);
    EXPECT_EQ(p.texts.at(0).text, "FM-N");
    EXPECT_EQ(p.newControlColour, kYellow);
    EXPECT_EQ(p.fillColour, kYellow);
    EXPECT_EQ(p.textColour, kBlack);

    s.modeIndex = 20; // no name: the box is cleared and nothing is written
    p = composeReadout(request(Field::EDemod), s, kEn);
    EXPECT_TRUE(p.texts.empty());
}

TEST(ReadoutPicture, UnitFirstThenTheNumberLeftOfIt) {
    ReadoutState s;
    s.binHz = 640.5f;
    const ReadoutPicture p = composeReadout(request(Field::EReso), s, kEn);
    ASSERT_EQ(p.texts.size(), 2u);
    EXPECT_EQ(p.texts[0].text, "kHz");
    EXPECT_TRUE(p.texts[0].wrap);
    EXPECT_EQ(p.texts[0].box.right(), 209 - 2 - 4);
    EXPECT_EQ(p.texts[1].text, "0.64");
    EXPECT_FALSE(p.texts[1].wrap);
    EXPECT_EQ(p.texts[1].box.right(), 209 - 2 - 4 - 90);
}

TEST(ReadoutPicture, NotchFollowsTheAutomaticBit) {
    ReadoutState s;
    s.notchPos = -250;
    s.autoNotch = 50;
    EXPECT_EQ(composeReadout(request(Field::ENotchP), s, kEn).texts.at(0).text, "250-");
    s.settingsWord = 1u << 28;
    EXPECT_EQ(composeReadout(request(Field::ENotchP), s, kEn).texts.at(0).text, "Auto 2.0");
}

TEST(ReadoutPicture, ScalesUseYellowAndEFreq1sFont) {
    ReadoutState s;
    s.binHz = 100.0f;
    s.freqAux = 1'000'000'000;
    const ReadoutPicture p = composeReadout(request(Field::Panel6, 2, false), s, kEn);
    EXPECT_FALSE(p.ownFont);
    EXPECT_TRUE(p.regularWeight);
    EXPECT_EQ(p.textColour, kYellow);
    ASSERT_EQ(p.texts.size(), 9u);
    EXPECT_TRUE(p.texts[0].centred);
    EXPECT_EQ(p.texts[0].box.center().x(), 81.5);
}

TEST(ReadoutPicture, LevelAndTimeScalesKeepTheUnshiftedRightEdge) {
    ReadoutState s;
    s.topLevel = 170;
    s.dbPerDiv = 10;
    const ReadoutPicture level = composeReadout(request(Field::Panel5), s, kEn);
    ASSERT_EQ(level.texts.size(), 9u);
    EXPECT_EQ(level.texts[0].box.right(), 66 - 2);
    const ReadoutPicture time = composeReadout(request(Field::Panel7), s, kEn);
    ASSERT_EQ(time.texts.size(), 8u);
    EXPECT_EQ(time.texts[0].box.right(), 66 - 2);
    EXPECT_EQ(time.texts[0].text, "8.0");
}

TEST(ReadoutPicture, KnobFaceAndMarkInTheControlsCoordinates) {
    ReadoutState s; // KnobAngle starts at 3π/2: the mark sits at the bottom
    const ReadoutPicture p = composeReadout(request(Field::S_Pitch), s, kEn);
    ASSERT_TRUE(p.knob.has_value());
    EXPECT_EQ(p.knob->face, QRectF(0, 0, 348, 348));
    EXPECT_NEAR(p.knob->mark.x(), 137.5, 1e-4);
    EXPECT_NEAR(p.knob->mark.y(), 274, 1e-4);
    EXPECT_TRUE(p.texts.empty());
}

TEST(ReadoutLayout, TableHoldsEveryReadoutOnceAndLeavesTheEmptySlots) {
    int count = 0;
    for (int tag = 0; tag < kFieldTableSize; ++tag)
        if (readoutPlace(tag))
            ++count;
    EXPECT_EQ(count, 30);
    for (int tag : {19, 20, 21, 25, 26, 27, 28, 29})
        EXPECT_EQ(readoutPlace(tag), nullptr) << tag;
    EXPECT_EQ(readoutPlace(38), nullptr);
    EXPECT_STREQ(readoutPlace(32)->name, "EStepsRX");
    EXPECT_EQ(readoutPlace(32)->face, FontFace::MonoBold);
}

} // namespace
