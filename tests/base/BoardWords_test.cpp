// The board's vocabulary: the numbers and names the program and the simulated board share.
#include "base/BoardWords.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace talix::board;

namespace {

TEST(BoardWords, FormsByIndexAndName) {
    struct Case {
        Form form;
        int index;
        const char* name;
    };
    for (const Case& c : {Case{Form::Main, 0, "FMain"}, Case{Form::Setup, 1, "F_Setup"},
                          Case{Form::System, 2, "F_System"}, Case{Form::Undo, 3, "F_Undo"},
                          Case{Form::Microphone, 4, "F_Mike"}, Case{Form::Memory, 5, "F_Memory"},
                          Case{Form::WiFi, 10, "F_WiFi"}, Case{Form::Recorder, 13, "F_Recorder"},
                          Case{Form::DAB, 15, "F_DAB"}, Case{Form::Rotator, 16, "F_KAP"}}) {
        EXPECT_EQ(number(c.form), c.index) << c.name;
        EXPECT_STREQ(formName(c.form), c.name);
    }
    EXPECT_EQ(kFormSlots, 16);
    EXPECT_LT(number(Form::DAB), kFormSlots);
    EXPECT_GE(number(Form::Rotator), kFormSlots) << "the rotator has no form slot";
}

TEST(BoardWords, ButtonTagsCarryTheFormInTheHighByte) {
    EXPECT_EQ(buttonTag(Form::Setup, ButtonCode::Close), 266);
    EXPECT_EQ(buttonTag(Form::Undo, ButtonCode::Close), 778);
    EXPECT_EQ(buttonTag(Form::Undo, ButtonCode::Cancel), 779);
    struct Case {
        Form form;
        int tag;
    };
    for (const Case& c : {Case{Form::Setup, 2829}, Case{Form::System, 3085}, Case{Form::Undo, 3341},
                          Case{Form::Microphone, 3597}, Case{Form::WiFi, 4365},
                          Case{Form::Memory, 4621}, Case{Form::Recorder, 4877}}) {
        EXPECT_EQ(showButtonTag(c.form), c.tag) << formName(c.form);
        EXPECT_EQ(c.tag & 0xFF, number(ButtonCode::Show));
        EXPECT_EQ(formShownBy(c.tag >> 8), c.form) << formName(c.form);
    }
    for (const int high : {0, 1, 5, 10, 15, 16, 20, 53, 255})
        EXPECT_FALSE(formShownBy(high)) << high;

    EXPECT_EQ(number(MainButton::B_Zero), 0);
    EXPECT_EQ(number(MainButton::B_Tune), 12);
    EXPECT_EQ(number(MainButton::B_Filter), 21);
    EXPECT_EQ(number(MainButton::B_Stereo), 23);
    EXPECT_EQ(number(MainButton::B_Lock), 34);
    EXPECT_EQ(number(MainButton::NotchPosition), 35);
}

TEST(BoardWords, FieldTagsAndNames) {
    EXPECT_EQ(number(Field::EFreq1), 0);
    EXPECT_EQ(number(Field::FrequencyEntry), 19);
    EXPECT_EQ(number(Field::EFreq2), 24);
    EXPECT_EQ(number(Field::Panel4), 33);
    EXPECT_EQ(number(Field::Panel7), 36);
    EXPECT_EQ(number(Field::S_Pitch), 37);
    EXPECT_EQ(number(Field::E_File), 38);
    EXPECT_STREQ(fieldName(Field::EFreq1), "EFreq1");
    EXPECT_STREQ(fieldName(Field::S_Pitch), "S_Pitch");
    EXPECT_STREQ(fieldName(Field::E_File), "E_File");

    std::set<int> tags;
    std::set<std::string> names;
#define TALIX_COLLECT(name, tag)                                                                   \
    tags.insert(tag);                                                                              \
    names.insert(fieldName(Field::name));
    TALIX_BOARD_FIELDS(TALIX_COLLECT)
#undef TALIX_COLLECT
    EXPECT_EQ(tags.size(), names.size()) << "every Tag once, every name once";
}

TEST(BoardWords, ItemsTheProgramNames) {
    EXPECT_EQ(number(MainItem::TunedFreq), 0);
    EXPECT_EQ(number(MainItem::ModeIndex), 1);
    EXPECT_EQ(number(MainItem::Bandwidth), 2);
    EXPECT_EQ(number(MainItem::HeadphoneVolume), 20);
    EXPECT_EQ(number(MainItem::TxFreq), 24);
    EXPECT_EQ(number(MainItem::TuneDigit), 27);
    EXPECT_EQ(number(MainItem::Brightness), 28);
    EXPECT_EQ(number(MainItem::TuneStep), 32);
    EXPECT_EQ(number(MainItem::OptionsMessage), 54);
    EXPECT_EQ(number(MainItem::RotatorPresent), 55);
    EXPECT_EQ(number(MainItem::SlideData), 59);
    EXPECT_EQ(kMainItems, number(MainItem::SlideData) + 1);
    EXPECT_EQ(number(SetupItem::Loudspeaker), 9);
    EXPECT_EQ(kSetupItems, number(SetupItem::TouchAction) + 1);
}

TEST(BoardWords, RecordKindsAndParameterIds) {
    EXPECT_EQ(number(Record::Button), 1);
    EXPECT_EQ(number(Record::KnobStep), 2);
    EXPECT_EQ(number(Record::WiFiSet), 8);
    EXPECT_EQ(number(Record::Acknowledge), 13);
    EXPECT_EQ(number(Record::Greeting), 18);
    EXPECT_EQ(number(Record::Setting), 23);
    EXPECT_EQ(number(Setting::ExternalAntenna), 178);
    EXPECT_EQ(number(Setting::AccessorySerial), 179);
    EXPECT_EQ(number(Record::FieldSelect), 192);
    EXPECT_EQ(number(Record::SetValue), 245);

    EXPECT_EQ(number(ParamId::Filler), 0);
    EXPECT_EQ(number(ParamId::KnobStep), 2);
    EXPECT_EQ(number(ParamId::DeviceHello), 18);
    EXPECT_EQ(number(ParamId::Ignored85), 85);
    EXPECT_EQ(number(ParamId::Ignored90), 90);
    EXPECT_EQ(number(ParamId::FieldSelect), 192);
    EXPECT_EQ(number(ParamId::ValueWord), 245);
    EXPECT_EQ(number(ParamId::ShowFormWord), 246);
    EXPECT_EQ(number(ParamId::CloseFormWord), 247);
}

} // namespace
