#include "settings/SetupItems.h"

#include "settings/ItemNumbers.h"
#include "settings/SharedSettings.h"

#include <array>

namespace talix::settings {

using board::Field;
using board::number;
using board::SetupItem;
using sync::MainControl;

namespace {

constexpr uint8_t kDbuVBit = 0x10;
// 30 MHz in 0.1 Hz: up to here the S-meter scale counts from -120 dBm.
constexpr int32_t kShortwaveTop = 300'000'000;

constexpr std::array kScaleLabels{MainControl::LM120dBm, MainControl::LM80dBm, MainControl::LM40dBm,
                                  MainControl::L0dBm};
// S-meter scale texts by unit (dBm, dBµV) and band (up to 30 MHz, above).
constexpr std::array<std::array<std::array<const char*, 4>, 2>, 2> kScaleTexts{{
    {{{"-120", "-80", "-40", "0"}, {"-140", "-100", "-60", "-20"}}},
    {{{"-13", "+27", "+67", "+107"}, {"-33", "+7", "+47", "+87"}}},
}};

constexpr std::array<const char*, 8> kRfFilters{"Automatic",     "1k ... 10M",   "10M ... 30M",
                                                "1k ... 30M",    "50M ... 71M",  "87M ... 110M",
                                                "130M ... 156M", "174M ... 240M"};
constexpr std::array<const char*, 4> kLoudspeakers{"Off", "Internal", "External",
                                                   "Internal + External"};
constexpr std::array<const char*, 4> kDisplayRates{"Full", "1/2", "1/3", "1/4"};
constexpr std::array<const char*, 5> kTouchActions{
    "             No Action", "       Track Frequency", "         Track Setting",
    "Tune + Track Frequency", "  Tune + Track Setting"};

QString scrollwheelText(int32_t v) {
    if (v == 0)
        return QStringLiteral("Auto Off");
    if (v == 16)
        return QStringLiteral("     Off");
    const QString threshold = decimal(int(v & 15) - 1);
    return (v < 16 ? QStringLiteral("Auto ") : QStringLiteral("Speed ")) + threshold;
}

// Level units: the unit labels, the gain unit where the gain is automatic, and the S-meter scale,
// which reads 20 dB lower above 30 MHz.
void levelUnits(uint8_t b, const sync::ReceiverState& state, FormItemEffect& e) {
    const QString unit = levelUnitText(b);
    e.editText = unit;
    for (MainControl label : {MainControl::LETop, MainControl::LEBot, MainControl::LThreshold_Unit})
        e.mainTexts.push_back({label, unit});
    // Manual gain is set in dB whatever the level unit; the flags byte says which it is.
    e.mainTexts.push_back({MainControl::LGain_Unit,
                           gainAutomatic(b, state.GainCtrlIndex) ? unit : QStringLiteral("dB")});
    const auto& texts =
        kScaleTexts[(b & kDbuVBit) ? 1 : 0][state.TunedFreq > kShortwaveTop ? 1 : 0];
    for (size_t i = 0; i < kScaleLabels.size(); ++i)
        e.mainTexts.push_back({kScaleLabels[i], QString::fromLatin1(texts[i])});
    e.marks = {{number(Field::ELTop), 1}, {number(Field::ELBot), 1}, {number(Field::Panel5), 1}};
    e.placeThresholdLine = true;
}

void gainControl(uint8_t b, const sync::ReceiverState& state, const SetupItemInputs& in,
                 FormItemEffect& e) {
    const bool automatic = gainAutomatic(b, state.GainCtrlIndex);
    e.editText = automatic ? QStringLiteral("Automatic") : QStringLiteral("Manual");
    e.mainTexts.push_back(
        {MainControl::LGain, automatic ? QStringLiteral("AGC Limit") : QStringLiteral("RF Gain")});
    e.mainTexts.push_back(
        {MainControl::LGain_Unit, automatic ? in.levelUnitText : QStringLiteral("dB")});
    e.marks = {{number(Field::EHold), 2}, {number(Field::EAttack), 2}};
}

QString deemphasisText(uint8_t b) {
    switch (b >> 6) {
    case 2:
        return QStringLiteral("50 µs");
    case 3:
        return QStringLiteral("75 µs");
    default:
        return QStringLiteral("Off");
    }
}

QString lowpassText(int32_t v, const QLocale& locale) {
    const QString number = v >= 100 ? decimal(v / 10) : oneDecimal(v, locale);
    return number + QStringLiteral(" kHz");
}

QString impedanceText(uint8_t b) {
    switch ((b >> 1) & 3) {
    case 1:
        return decimal(50) + QStringLiteral(" Ohm");
    case 2:
        return QStringLiteral("4 kOhm");
    default:
        return decimal(0) + QStringLiteral(" Ohm");
    }
}

} // namespace

QString levelUnitText(uint8_t receiverFlags) {
    return (receiverFlags & kDbuVBit) ? QStringLiteral("dBµV") : QStringLiteral("dBm");
}

bool gainAutomatic(uint8_t receiverFlags, uint8_t gainCtrlIndex) {
    return ((uint32_t(receiverFlags) >> (gainCtrlIndex % 32)) & 1u) != 0;
}

FormItemEffect applySetupItem(int item, uint32_t v, sync::ReceiverState& state,
                              const SetupItemInputs& in) {
    FormItemEffect e;
    const auto b = uint8_t(v);
    const auto s = int32_t(v);
    if (item < 0 || item >= board::kSetupItems)
        return e;
    switch (SetupItem(item)) {
    case SetupItem::ScrollwheelThreshold:
        e.editText = scrollwheelText(s);
        e.mainTexts.push_back({MainControl::L_Auto, *e.editText});
        break;
    case SetupItem::LevelUnits:
        state.ReceiverFlags = b;
        levelUnits(b, state, e);
        break;
    case SetupItem::GainControl:
        state.ReceiverFlags = b;
        gainControl(b, state, in, e);
        break;
    case SetupItem::Deemphasis:
        state.ReceiverFlags = b;
        e.editText = deemphasisText(b);
        break;
    case SetupItem::AudioLowpass:
        e.editText = lowpassText(s, in.locale);
        break;
    case SetupItem::AudioHighpass:
        e.editText = decimal(10 * b) + QStringLiteral(" Hz");
        break;
    case SetupItem::Impedance:
        e.editText = impedanceText(b);
        break;
    case SetupItem::AudioResolution:
        state.AudioResolution = b;
        e.editText = decimal((5 * b) / 2) + QStringLiteral(" Hz/Bin");
        e.rebuildGrid = true;
        break;
    case SetupItem::RfFilter:
        if (b < kRfFilters.size())
            e.editText = QString::fromLatin1(kRfFilters[b]);
        break;
    case SetupItem::Loudspeaker:
        state.LoudspeakerMode = b;
        e.editText = QString::fromLatin1(kLoudspeakers[b & 3]);
        break;
    case SetupItem::FrequencyAutoActive: {
        storeSettingsWord(state, v, e);
        const uint32_t seconds = (v >> 4) & 15;
        e.editText = seconds == 0 ? QStringLiteral("Off") : decimal(seconds) + QStringLiteral(" s");
        break;
    }
    case SetupItem::DisplayRate:
        storeSettingsWord(state, v, e);
        e.marks = {{number(Field::ETime), 1}, {number(Field::Panel7), 1}};
        e.editText = QString::fromLatin1(kDisplayRates[(v >> 29) & 3]);
        break;
    case SetupItem::SpectrumPriority:
        storeSettingsWord(state, v, e);
        e.editText = (v & kSpectrumPriorityHigh) ? QStringLiteral("High") : QStringLiteral("Low");
        break;
    case SetupItem::TouchAction:
        state.TouchAction = b < kTouchActions.size() ? b : 0;
        e.editText = QString::fromLatin1(kTouchActions[state.TouchAction]);
        break;
    default:
        break;
    }
    return e;
}

} // namespace talix::settings
