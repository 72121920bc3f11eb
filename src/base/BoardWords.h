#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <type_traits>

// The numbers the board and the program share: form indexes, the main window's field Tags, item
// numbers, button codes, command record kinds and parameter ids. Both the program and the
// simulated board take them from here, so that each number is written once.
namespace talix::board {

// An enumerator of an X-list row whose first two columns are the name and the number.
#define TALIX_BOARD_ENUMERATOR(name, value, ...) name = value,

// The number of a form, item, code or key, as the board's records carry it.
template <typename E>
requires std::is_enum_v<E>
constexpr int number(E e) {
    return int(e);
}

// ---- Forms

// X(name, form index, the form's own name, show code): a form is shown by the button whose Tag
// is show code << 8 | ButtonCode::Show (0: no such button).
#define TALIX_BOARD_FORMS(X)                                                                       \
    X(Main, 0, "FMain", 0)                                                                         \
    X(Setup, 1, "F_Setup", 11)                                                                     \
    X(System, 2, "F_System", 12)                                                                   \
    X(Undo, 3, "F_Undo", 13)                                                                       \
    X(Microphone, 4, "F_Mike", 14)                                                                 \
    X(Memory, 5, "F_Memory", 18)                                                                   \
    X(WiFi, 10, "F_WiFi", 17)                                                                      \
    X(Recorder, 13, "F_Recorder", 19)                                                              \
    X(DAB, 15, "F_DAB", 0)                                                                         \
    X(Rotator, 16, "F_KAP", 0)

enum class Form : uint8_t { TALIX_BOARD_FORMS(TALIX_BOARD_ENUMERATOR) };

// The program's form slots hold form indexes 0 to 15; the rotator's 16 addresses no slot.
constexpr int kFormSlots = 16;

constexpr const char* formName(Form f) {
    switch (f) {
#define TALIX_BOARD_ENTRY(name, index, text, show)                                                 \
    case Form::name:                                                                               \
        return text;
        TALIX_BOARD_FORMS(TALIX_BOARD_ENTRY)
#undef TALIX_BOARD_ENTRY
    }
    return "";
}

// ---- Buttons

// The low byte of a button's Tag; the high byte names the form it belongs to.
enum class ButtonCode : uint8_t {
    Close = 10, // "Close" and "OK"
    Cancel = 11,
    Show = 13, // the high byte is the shown form's show code
};

// The main window's own buttons (high byte 0), and the double click on the notch position.
#define TALIX_BOARD_MAIN_BUTTONS(X)                                                                \
    X(B_Zero, 0) X(B_Tune, 12) X(B_Filter, 21) X(B_Stereo, 23) X(B_Lock, 34) X(NotchPosition, 35)

enum class MainButton : uint8_t { TALIX_BOARD_MAIN_BUTTONS(TALIX_BOARD_ENUMERATOR) };

constexpr int buttonTag(int high, ButtonCode code) {
    return high << 8 | number(code);
}
// A form's own Close, OK or Cancel button.
constexpr int buttonTag(Form form, ButtonCode code) {
    return buttonTag(number(form), code);
}

constexpr int showCode(Form f) {
    switch (f) {
#define TALIX_BOARD_ENTRY(name, index, text, show)                                                 \
    case Form::name:                                                                               \
        return show;
        TALIX_BOARD_FORMS(TALIX_BOARD_ENTRY)
#undef TALIX_BOARD_ENTRY
    }
    return 0;
}
// The Tag of the main-window button that shows the form.
constexpr int showButtonTag(Form f) {
    return buttonTag(showCode(f), ButtonCode::Show);
}
// The form a show button's high byte names.
constexpr std::optional<Form> formShownBy(int high) {
#define TALIX_BOARD_ENTRY(name, index, text, show)                                                 \
    if (show != 0 && high == show)                                                                 \
        return Form::name;
    TALIX_BOARD_FORMS(TALIX_BOARD_ENTRY)
#undef TALIX_BOARD_ENTRY
    return std::nullopt;
}

// ---- Main-window fields

// X(name, Tag): the readouts and controls of the main window that the board addresses by Tag.
// FrequencyEntry names no control: selecting it switches tune mode on.
#define TALIX_BOARD_FIELDS(X)                                                                      \
    X(EFreq1, 0)                                                                                   \
    X(EDemod, 1)                                                                                   \
    X(EBW, 2)                                                                                      \
    X(EShift, 3)                                                                                   \
    X(ENotchW, 4)                                                                                  \
    X(ENotchP, 5)                                                                                  \
    X(EAGCL, 6)                                                                                    \
    X(EThresh, 7)                                                                                  \
    X(EDNR, 8)                                                                                     \
    X(EReso, 9)                                                                                    \
    X(ELTop, 10)                                                                                   \
    X(ESpan, 11)                                                                                   \
    X(ERefresh, 12)                                                                                \
    X(ETime, 13)                                                                                   \
    X(ESigB, 14)                                                                                   \
    X(ESpecB, 15)                                                                                  \
    X(EGridB, 16)                                                                                  \
    X(ENBP, 17)                                                                                    \
    X(ENBD, 18)                                                                                    \
    X(FrequencyEntry, 19)                                                                          \
    X(EHold, 22)                                                                                   \
    X(EAttack, 23)                                                                                 \
    X(EFreq2, 24)                                                                                  \
    X(EResoD, 30)                                                                                  \
    X(ELBot, 31)                                                                                   \
    X(EStepsRX, 32)                                                                                \
    X(Panel4, 33)                                                                                  \
    X(Panel5, 34)                                                                                  \
    X(Panel6, 35)                                                                                  \
    X(Panel7, 36)                                                                                  \
    X(S_Pitch, 37)                                                                                 \
    X(E_File, 38)

enum class Field : uint8_t { TALIX_BOARD_FIELDS(TALIX_BOARD_ENUMERATOR) };

constexpr const char* fieldName(Field f) {
    switch (f) {
#define TALIX_BOARD_ENTRY(name, tag)                                                               \
    case Field::name:                                                                              \
        return #name;
        TALIX_BOARD_FIELDS(TALIX_BOARD_ENTRY)
#undef TALIX_BOARD_ENTRY
    }
    return "";
}

// ---- Items

// A count of value words that the first of them gives.
constexpr uint8_t kVariableWords = 0;

// X(name, item, value words): the main window's items (form 0) of the parameter stream and of
// set-value commands, and how many value words follow the item's ValueWord. 29-31, 37 and 38 are
// not used and take one word. ProgrammeType takes one word (0: no programme type) or five;
// SlideData one word, a byte count, and the bytes in as many words as they fill.
#define TALIX_BOARD_MAIN_ITEMS(X)                                                                  \
    X(TunedFreq, 0, 3)                                                                             \
    X(ModeIndex, 1, 1)                                                                             \
    X(Bandwidth, 2, 1)                                                                             \
    X(Shift, 3, 1)                                                                                 \
    X(NotchWidth, 4, 1)                                                                            \
    X(NotchPos, 5, 1)                                                                              \
    X(AgcLimit, 6, 1)                                                                              \
    X(Threshold, 7, 1)                                                                             \
    X(Dnr, 8, 1)                                                                                   \
    X(BinCode, 9, 1)                                                                               \
    X(TopLevel, 10, 1)                                                                             \
    X(DbPerDiv, 11, 1)                                                                             \
    X(RefreshTime, 12, 1)                                                                          \
    X(WfTimeUnit, 13, 1)                                                                           \
    X(InsideBright, 14, 1)                                                                         \
    X(OutsideBright, 15, 1)                                                                        \
    X(GridBright, 16, 1)                                                                           \
    X(NbLevel, 17, 1)                                                                              \
    X(NbDuration, 18, 1)                                                                           \
    X(ModLevel, 19, 1)                                                                             \
    X(HeadphoneVolume, 20, 1)                                                                      \
    X(SpeakerVolume, 21, 1)                                                                        \
    X(AgcHold, 22, 1)                                                                              \
    X(AgcAttack, 23, 1)                                                                            \
    X(TxFreq, 24, 1)                                                                               \
    X(GainCtrlIndex, 25, 1)                                                                        \
    X(Attenuation, 26, 1)                                                                          \
    X(TuneDigit, 27, 1)                                                                            \
    X(Brightness, 28, 1)                                                                           \
    X(TuneStep, 32, 1)                                                                             \
    X(Passband, 33, 3)                                                                             \
    X(LockWord, 34, 1)                                                                             \
    X(WaterfallHigh, 35, 1)                                                                        \
    X(WaterfallLow, 36, 1)                                                                         \
    X(BwListFlag, 39, 1)                                                                           \
    X(Levels, 40, 3)                                                                               \
    X(LevelMarker, 41, 1)                                                                          \
    X(TxColour, 42, 1)                                                                             \
    X(ReceiverFlags, 43, 1)                                                                        \
    X(Arrow, 44, 1)                                                                                \
    X(Overload, 45, 1)                                                                             \
    X(UndoCount, 46, 1)                                                                            \
    X(ProgrammeType, 47, kVariableWords)                                                           \
    X(ProgrammeIdent, 48, 4)                                                                       \
    X(RadioText, 49, 16)                                                                           \
    X(ClockCalibration, 50, 1)                                                                     \
    X(GpsPosition, 51, 10)                                                                         \
    X(GpsAltitude, 52, 2)                                                                          \
    X(NoiseBlanker, 53, 1)                                                                         \
    X(OptionsMessage, 54, 1)                                                                       \
    X(RotatorPresent, 55, 2)                                                                       \
    X(RotatorVersion, 56, 2)                                                                       \
    X(RotatorNotFound, 57, 1)                                                                      \
    X(SlideHeader, 58, 2)                                                                          \
    X(SlideData, 59, kVariableWords)

enum class MainItem : uint8_t { TALIX_BOARD_MAIN_ITEMS(TALIX_BOARD_ENUMERATOR) };

// Items 0 to 59; a larger one names nothing.
constexpr int kMainItems = 60;

// The value words of each main-window item; kVariableWords where the first of them says.
constexpr auto kMainItemWords = [] {
    std::array<uint8_t, kMainItems> words{};
    words.fill(1);
#define TALIX_BOARD_ENTRY(name, item, count) words[item] = count;
    TALIX_BOARD_MAIN_ITEMS(TALIX_BOARD_ENTRY)
#undef TALIX_BOARD_ENTRY
    return words;
}();

// X(name, item): the Setup form's items, one per row.
#define TALIX_BOARD_SETUP_ITEMS(X)                                                                 \
    X(ScrollwheelThreshold, 0)                                                                     \
    X(LevelUnits, 1)                                                                               \
    X(GainControl, 2)                                                                              \
    X(Deemphasis, 3)                                                                               \
    X(AudioLowpass, 4)                                                                             \
    X(AudioHighpass, 5)                                                                            \
    X(Impedance, 6)                                                                                \
    X(AudioResolution, 7)                                                                          \
    X(RfFilter, 8)                                                                                 \
    X(Loudspeaker, 9)                                                                              \
    X(FrequencyAutoActive, 10)                                                                     \
    X(DisplayRate, 11)                                                                             \
    X(SpectrumPriority, 12)                                                                        \
    X(TouchAction, 13)

enum class SetupItem : uint8_t { TALIX_BOARD_SETUP_ITEMS(TALIX_BOARD_ENUMERATOR) };

constexpr int kSetupItems = 14;

// X(name, item): the System form's items; the Tag of its edit and caption. Items 13 and 14 read
// the same bits of the settings word.
#define TALIX_BOARD_SYSTEM_ITEMS(X)                                                                \
    X(OscillatorCalibration, 0)                                                                    \
    X(CalibrationLevel, 1)                                                                         \
    X(AfLevel, 2)                                                                                  \
    X(FmDeviation, 3)                                                                              \
    X(FrequencyLeft, 4)                                                                            \
    X(FrequencyRight, 5)                                                                           \
    X(RxDelay, 6)                                                                                  \
    X(Pep, 7)                                                                                      \
    X(DelayRfOutput, 8)                                                                            \
    X(RisetimeRfOutput, 9)                                                                         \
    X(SsbShift, 10)                                                                                \
    X(MikeRing, 11)                                                                                \
    X(KeyTip, 12)                                                                                  \
    X(KeyRing, 13)                                                                                 \
    X(Baudrate, 14)                                                                                \
    X(Limiter, 15)                                                                                 \
    X(Gps, 16)                                                                                     \
    X(AccessorySerial, 17)

enum class SystemItem : uint8_t { TALIX_BOARD_SYSTEM_ITEMS(TALIX_BOARD_ENUMERATOR) };

constexpr int kSystemItems = 18;

// X(name, item): the Microphone form's items; 10 to 15 are the equaliser's bars TB1 to TB6.
#define TALIX_BOARD_MIKE_ITEMS(X)                                                                  \
    X(MikeBias, 1)                                                                                 \
    X(MikeVolume, 2)                                                                               \
    X(AlcEffect, 3)                                                                                \
    X(Monitoring, 4)                                                                               \
    X(Squelch, 5)                                                                                  \
    X(VoxHold, 6)                                                                                  \
    X(VoxLevel, 7)                                                                                 \
    X(Bandwidth, 8)                                                                                \
    X(Highpass, 9)                                                                                 \
    X(Equaliser1, 10)                                                                              \
    X(Equaliser6, 15)

enum class MikeItem : uint8_t { TALIX_BOARD_MIKE_ITEMS(TALIX_BOARD_ENUMERATOR) };

constexpr int kMikeItems = 16;
constexpr int kEqualiserBars = 6;

// X(name, item): the WiFi form's items; only the channel can be selected.
#define TALIX_BOARD_WIFI_ITEMS(X) X(Channel, 1) X(Ssid, 2) X(Passkey, 3)

enum class WiFiItem : uint8_t { TALIX_BOARD_WIFI_ITEMS(TALIX_BOARD_ENUMERATOR) };

constexpr int kWiFiItems = 4;

// ---- The memory keypad and the DAB list

// The memory keypad's own keys (high byte 0): "0" to "9" send their digit, these two the code.
enum class MemoryKey : uint8_t { Backspace = 12, Comma = 13 };
// The high bytes of the memory form's function buttons; their low byte is ButtonCode::Close,
// Escape's ButtonCode::Cancel.
enum class MemoryFunction : uint8_t {
    OK = 5,
    Escape = 21,
    KHzOK = 37,
    MHzOK = 53,
    DiscoverDab = 69,
};
// Where a memory line was touched: the number and "C", the "S", the four-byte field, the
// thirteen-byte field.
enum class MemoryZone : uint8_t { Number = 24, Channel = 25, ShortField = 138, LongField = 10 };
// The memory and DAB forms name this form index when they become the active form.
constexpr int kActivatedForm = 16;

// X(name, item): the DAB list's items (form 15); each value is a count word and its words.
#define TALIX_BOARD_DAB_ITEMS(X)                                                                   \
    X(ScrollRow, 0)                                                                                \
    X(Status, 1)                                                                                   \
    X(ServiceName, 2)                                                                              \
    X(SampleRate, 3)                                                                               \
    X(BitRate, 4)                                                                                  \
    X(Signal, 5)                                                                                   \
    X(DynamicLabel, 6)                                                                             \
    X(DataServices, 7)

enum class DabItem : uint8_t { TALIX_BOARD_DAB_ITEMS(TALIX_BOARD_ENUMERATOR) };

// ---- Command records (program to board): the kind byte, which sets the record's layout.

enum class Record : uint8_t {
    Button = 1,       // Tag low, Tag high
    KnobStep = 2,     // signed step
    WiFiSet = 8,      // the WiFi form's Set button
    Acknowledge = 13, // 0, block sequence number (24 bits)
    Greeting = 18,
    Setting = 23,      // sub-code, value
    FieldSelect = 192, // Tag, form, ...
    SetValue = 245,    // item, form, value (32 bits)
};

// Sub-codes of a Setting record.
enum class Setting : uint8_t {
    ExternalAntenna = 178, // one byte
    AccessorySerial = 179, // 16 bits
};

// ---- Parameter words (board to program): the id in bits 0-7.

enum class ParamId : uint8_t {
    Filler = 0,
    KnobStep = 2,
    DeviceHello = 18,
    Ignored85 = 85,
    Ignored90 = 90,
    FieldSelect = 192,
    ValueWord = 245,
    ShowFormWord = 246,
    CloseFormWord = 247,
};

// ---- Rotator datagrams (program to rotator, UDP): 13, code, value.

enum class RotatorCode : uint8_t {
    Greeting = 18,  // value 0
    Position = 178, // value: the position 1 to 232, or 0 for off
};

constexpr uint8_t kRotatorDatagramKind = 13;
// Positions 1 to 232 make half a turn; opposite directions are the same position.
constexpr int kRotatorPositions = 232;

} // namespace talix::board
