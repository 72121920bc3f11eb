#include "display/readouts/ReadoutFormat.h"

#include "base/Bandwidths.h"
#include "base/BoardModes.h"
#include "base/Palette.h"
#include "display/readouts/ReadoutNumbers.h"

#include <array>
#include <cstdlib>

namespace talix::display {

namespace {

constexpr int kTenths = 2;

// Level codes are half-dB steps offset to the level scale's zero.
constexpr int kDbuvOffset = 330;
constexpr int kDbmOffset = 1400;

constexpr int32_t kTopLevelDbuvOffset = 50;
constexpr int32_t kTopLevelDbmOffset = 170;
constexpr int kDivisionsBelowTop = 8;

constexpr int kNotchLimit = 20000;
constexpr double kAutoNotchScale = 0.04;

constexpr float kBinKhzAbove = 640.0f;
constexpr float kBinOneDecimalUpTo = 2.5f;
constexpr float kDivisionKhzAbove = 10.0f;
constexpr int kBinsPerDivision = 64;
constexpr int kKhzUnitWidth = 90;
constexpr int kHzUnitWidth = 65;

constexpr uint8_t kSpectrumModeMask = 0x03;
constexpr uint8_t kSpectrumModeAveraging = 2;
constexpr int kRefreshCodeMask = 0x1FF;
constexpr int kRefreshCodeLimit = 400;
constexpr int kRefreshMsPerCode = 25;
constexpr int kAveragingShift = 9;
constexpr int kAveragingMask = 0x1F;

constexpr int kRateDividerShift = 29;
constexpr uint32_t kRateDividerMask = 0x3;

constexpr uint8_t kFirstYellowMode = board::kModeFmNarrow;

constexpr uint16_t kFirstBandwidthInHz = 10;

// Whole value, or with mark 2 the value / 10 with one decimal.
QString tenthsOrWhole(int64_t value, int mark, const QLocale& locale, int digits) {
    if (mark == kTenths)
        return numberText(double(value) / 10.0, 1, locale, digits);
    return numberText(double(value), 0, locale, digits);
}

} // namespace

QString frequencyText(int32_t f, int mark, const QLocale& locale) {
    return tenthsOrWhole(f, mark, locale, kFrequencyDigits);
}

QString modeName(uint8_t modeIndex) {
    return QString::fromLatin1(board::modeName(modeIndex));
}

QRgb modeColour(uint8_t modeIndex) {
    return modeIndex < kFirstYellowMode ? kLightPink : kYellow;
}

QString bandwidthText(uint16_t bandwidth, const QLocale& locale) {
    if (bandwidth >= kFirstBandwidthInHz)
        return numberText(bandwidth, 0, locale);
    if (bandwidth < std::size(board::kFmWideBandwidths))
        return QString::fromLatin1(board::kFmWideBandwidths[bandwidth].label);
    return {};
}

QString shiftText(int16_t shift, const QLocale& locale) {
    return signedNumberText(shift, locale);
}

QString notchWidthText(uint16_t width, const QLocale& locale) {
    return numberText(width, 0, locale);
}

QString notchPositionText(bool automatic, uint8_t autoValue, int16_t position,
                          const QLocale& locale) {
    if (automatic)
        return QStringLiteral("Auto ") + numberText(autoValue * kAutoNotchScale, 1, locale);
    if (std::abs(int(position)) < kNotchLimit)
        return signedNumberText(position, locale);
    return QStringLiteral(">19.999");
}

QString agcLimitText(uint16_t code, uint8_t receiverFlags, const QLocale& locale) {
    const int v = code;
    int g;
    if (receiverFlags & kFlagAgcLimitMode)
        g = (receiverFlags & kFlagLevelsInDbuv) ? (5 * v - kDbuvOffset) / 10
                                                : (5 * v - kDbmOffset) / 10;
    else
        g = (kDbmOffset - 5 * v) / 10;
    return signedNumberText(g, locale);
}

QString thresholdText(uint16_t code, uint8_t receiverFlags, const QLocale& locale) {
    if (code == 0)
        return QStringLiteral("Off");
    const int v = code;
    const int g = (receiverFlags & kFlagLevelsInDbuv) ? (5 * v - kDbuvOffset) / 10
                                                      : (5 * v - kDbmOffset) / 10;
    return signedNumberText(g, locale);
}

QString dnrText(uint8_t dnr, const QLocale& locale) {
    return numberText(dnr, 0, locale);
}

UnitReadout binWidthText(float binHz, const QLocale& locale) {
    const double r = binHz;
    if (binHz > kBinKhzAbove)
        return {QStringLiteral("kHz"), numberText(r / 1000.0, 2, locale), kKhzUnitWidth};
    if (binHz > kBinOneDecimalUpTo)
        return {QStringLiteral("Hz"), numberText(r, 0, locale), kHzUnitWidth};
    return {QStringLiteral("Hz"), numberText(r, 1, locale), kHzUnitWidth};
}

UnitReadout divisionWidthText(float binHz, const QLocale& locale) {
    const double r = binHz;
    if (binHz > kDivisionKhzAbove)
        return {QStringLiteral("kHz"), numberText(r * kBinsPerDivision / 1000.0, 2, locale),
                kKhzUnitWidth};
    return {QStringLiteral("Hz"), numberText(r * kBinsPerDivision, 0, locale), kHzUnitWidth};
}

int32_t topLevelValue(int32_t topLevel, uint8_t receiverFlags) {
    return topLevel -
           ((receiverFlags & kFlagLevelsInDbuv) ? kTopLevelDbuvOffset : kTopLevelDbmOffset);
}

QString topLevelText(int32_t topLevel, uint8_t receiverFlags) {
    return signedIntegerText(topLevelValue(topLevel, receiverFlags));
}

QString bottomLevelText(int32_t topLevel, uint8_t dbPerDiv, uint8_t receiverFlags) {
    return signedIntegerText(int64_t(topLevelValue(topLevel, receiverFlags)) -
                             kDivisionsBelowTop * int64_t(dbPerDiv));
}

QString spanText(uint8_t dbPerDiv) {
    return integerText(dbPerDiv);
}

QString refreshText(uint16_t refreshTime, uint8_t spectrumMode, const QLocale& locale) {
    if ((spectrumMode & kSpectrumModeMask) == kSpectrumModeAveraging)
        return QStringLiteral("x") +
               integerText(int64_t(1) << ((refreshTime >> kAveragingShift) & kAveragingMask));
    const int code = refreshTime & kRefreshCodeMask;
    if (code < kRefreshCodeLimit)
        return numberText(code * kRefreshMsPerCode, 0, locale);
    return QStringLiteral("  ~  ");
}

double secondsPerDivision(uint8_t wfTimeUnit, uint32_t settingsWord) {
    return wfTimeUnit * 0.5 * (1 + ((settingsWord >> kRateDividerShift) & kRateDividerMask));
}

QString timePerDivisionText(uint8_t wfTimeUnit, uint32_t settingsWord, const QLocale& locale) {
    return numberText(secondsPerDivision(wfTimeUnit, settingsWord), 1, locale);
}

QString percentText(uint8_t percent) {
    return integerText(percent) + QLatin1Char('%');
}

QString nbLevelText(uint8_t level) {
    return integerText(level);
}

QString nbDurationText(uint8_t duration, int mark, const QLocale& locale) {
    return tenthsOrWhole(duration, mark, locale, kNumberDigits);
}

bool agcAutomatic(uint8_t receiverFlags, uint8_t gainCtrlIndex) {
    return ((uint32_t(receiverFlags) >> (gainCtrlIndex % 32)) & 1u) != 0;
}

QString agcHoldText(uint16_t hold, bool automatic, int mark, const QLocale& locale) {
    if (!automatic)
        return QStringLiteral("M");
    return tenthsOrWhole(hold & 0xFF, mark, locale, kNumberDigits);
}

QString agcAttackText(uint16_t attack, bool automatic, int mark, const QLocale& locale) {
    if (!automatic)
        return QStringLiteral("Man");
    return tenthsOrWhole(attack, mark, locale, kNumberDigits);
}

QString stepText(int32_t step, int mark, const QLocale& locale) {
    return tenthsOrWhole(step, mark, locale, kNumberDigits);
}

} // namespace talix::display
