#include "settings/SystemItems.h"

#include "base/BoardWords.h"
#include "settings/ItemNumbers.h"
#include "settings/SharedSettings.h"

#include <array>

namespace talix::settings {

using board::SystemItem;

namespace {

constexpr uint8_t kFmNarrow = 7; // ModeIndex of "FM-N"
constexpr int32_t kCalibrationZero = 2000;

constexpr std::array<const char*, 4> kContactFunctions{"PTT In", " KEY In", "CAT Out", "PTT Out"};
constexpr std::array kGpsLabels{sync::MainControl::LUTC, sync::MainControl::LLat,
                                sync::MainControl::LLong, sync::MainControl::LAlt};

QString calibrationText(int32_t v) {
    if (v > kCalibrationZero)
        return QStringLiteral("+") + decimal(int64_t(v) - kCalibrationZero);
    if (v == kCalibrationZero)
        return QStringLiteral("0");
    return QStringLiteral("-") + decimal(kCalibrationZero - int64_t(v));
}

void fmDeviation(uint32_t v, uint8_t modeIndex, const QLocale& locale, FormItemEffect& e) {
    if (modeIndex == kFmNarrow) {
        e.editText = oneDecimal(v & 0xFF, locale);
        e.captionText = QStringLiteral("FM-N Deviation (kHz):");
    } else {
        e.editText = decimal((v >> 8) & 0xFF);
        e.captionText = QStringLiteral("FM-W Deviation (kHz):");
    }
}

QString pepText(uint32_t v, int32_t txFreq, const QLocale& locale) {
    const int32_t p = int32_t(v & 0xFFFF);
    if (p == 0)
        return QStringLiteral("Off");
    return oneDecimal(p - pepCorrection(txFreq), locale);
}

// Bits 23-22, 25-24 or 27-26 of the settings word: what a contact of the microphone or key
// connector does.
QString contactText(uint32_t v, int shift) {
    return QString::fromLatin1(kContactFunctions[(v >> shift) & 3]);
}

} // namespace

int pepCorrection(int32_t txFreq) {
    if (txFreq < 200'000'000)
        return 170;
    if (txFreq < 800'000'000)
        return 170 + (txFreq - 200'000'000) / 15'000'000;
    if (txFreq < 1'200'000'000)
        return 210 + (txFreq - 800'000'000) / 10'000'000;
    return 250;
}

FormItemEffect applySystemItem(int item, uint32_t v, sync::ReceiverState& state,
                               AccessorySerial& serial, const QLocale& locale) {
    FormItemEffect e;
    const auto s = int32_t(v);
    const auto b = uint8_t(v);
    const auto low16 = int16_t(uint16_t(v));
    if (item < 0 || item >= board::kSystemItems)
        return e;
    switch (SystemItem(item)) {
    case SystemItem::OscillatorCalibration:
        e.editText = calibrationText(s);
        break;
    case SystemItem::CalibrationLevel:
        e.editText = (low16 > 0 ? QStringLiteral("+") : QString()) + oneDecimal(low16, locale);
        break;
    case SystemItem::AfLevel:
    case SystemItem::DelayRfOutput:
        e.editText = decimal(b);
        break;
    case SystemItem::FmDeviation:
        fmDeviation(v, state.ModeIndex, locale, e);
        break;
    case SystemItem::FrequencyLeft:
        e.editText = low16 < 0 ? QStringLiteral("Noise") : decimal(10 * int64_t(low16));
        break;
    case SystemItem::FrequencyRight: {
        const auto high16 = int16_t(uint16_t(v >> 16));
        e.editText = high16 < 0 ? QStringLiteral("NPR") : decimal(10 * int64_t(high16));
        break;
    }
    case SystemItem::RxDelay:
        e.editText = decimal(10 * (v & 63));
        break;
    case SystemItem::Pep:
        e.editText = pepText(v, state.TxFreq, locale);
        break;
    case SystemItem::RisetimeRfOutput:
        e.editText = oneDecimal(int8_t(b), locale);
        break;
    case SystemItem::SsbShift:
        e.editText = decimal(10 * b);
        break;
    case SystemItem::MikeRing:
    case SystemItem::KeyTip:
    case SystemItem::KeyRing:
        // The three contacts' settings lie side by side, two bits each from bit 22 on.
        storeSettingsWord(state, v, e);
        e.editText = contactText(v, 22 + 2 * (item - board::number(SystemItem::MikeRing)));
        break;
    case SystemItem::Baudrate:
        storeSettingsWord(state, v, e);
        e.editText = decimal(1200 << ((v >> 26) & 3));
        break;
    case SystemItem::Limiter:
        storeSettingsWord(state, v, e);
        e.editText = decimal(100 >> ((v >> 20) & 3));
        break;
    case SystemItem::Gps:
        if (v & 0x02) {
            e.editText = QStringLiteral("Standby");
            for (sync::MainControl label : kGpsLabels)
                e.mainTexts.push_back({label, QStringLiteral("Off")});
        } else {
            e.editText = QStringLiteral("Enabled");
        }
        break;
    case SystemItem::AccessorySerial:
        serial.reported(uint16_t(v));
        e.editText = decimal(serial.current());
        break;
    }
    return e;
}

} // namespace talix::settings
