#include "sync/MainItemTexts.h"

#include "base/Palette.h"
#include "sync/AnsiText.h"

#include <cmath>

namespace talix::sync {

std::array<QString, 4> levelScaleLabels(bool dbuv, bool above30MHz) {
    if (dbuv)
        return above30MHz ? std::array<QString, 4>{"-33", "+7", "+47", "+87"}
                          : std::array<QString, 4>{"-13", "+27", "+67", "+107"};
    return above30MHz ? std::array<QString, 4>{"-140", "-100", "-60", "-20"}
                      : std::array<QString, 4>{"-120", "-80", "-40", "0"};
}

QString levelUnit(bool dbuv) {
    return dbuv ? QStringLiteral(" dBµV") : QStringLiteral(" dBm");
}

QString levelText(int32_t tenths, bool dbuv, const QLocale& locale) {
    return locale.toString(tenths / 10.0, 'f', 1) + levelUnit(dbuv);
}

QString sMeterText(int32_t tenths, const QLocale& locale) {
    constexpr double kS0 = -127; // dBm; one S unit is 6 dB
    constexpr double kS9 = -73;
    const double y = tenths / 10.0;
    if (y < kS0)
        return "S0 " + locale.toString(y - kS0, 'f', 1);
    if (y <= kS9)
        return "S" + locale.toString((y - kS0) / 6, 'f', 1);
    return "S9+" + locale.toString(y - kS9, 'f', 1);
}

QString attenuatorText(uint8_t attenuation, bool dbuv) {
    const int t = attenuation + (dbuv ? 107 : 0) - 6;
    return (t > 0 ? "+" : "") + QString::number(t) + "dB";
}

uint32_t modulationColour(uint8_t modLevel, bool tunePressed, uint32_t settingsWord) {
    if (tunePressed)
        return kAqua;
    if (modLevel >= 63)
        return kRed;
    const bool warnHalf = (settingsWord & (1u << 20)) != 0 && modLevel >= 32;
    const bool warnQuarter = (settingsWord & (1u << 21)) != 0 && modLevel >= 16;
    if (warnHalf || warnQuarter)
        return kYellow;
    return kLime;
}

SpectrumModeTexts spectrumModeTexts(uint8_t spectrumMode) {
    switch ((spectrumMode - 1) & 3) {
    case 0:
        return {"Off", false, ""};
    case 1:
        return {"Average", false, "AVG Factor"};
    case 2:
        return {"Max Hold", true, "Refresh"};
    default:
        return {"Min Hold", true, "Refresh"};
    }
}

QString programmeIdentText(std::span<const uint32_t, 4> words) {
    QString text = ansiTextOfWords(words.subspan(0, 1), 4) + "  " +
                   ansiTextOfWords(words.subspan(1, 2), 8) + "  ";
    if (words[3] != 0)
        text += "TP";
    return text;
}

QString radioText(std::span<const uint32_t, 16> words) {
    QString text = ansiTextOfWords(words, 64);
    qsizetype length = text.size();
    auto trailing = [](QChar c) { return c == ' ' || c == '\n' || c == '\r'; };
    while (length > 1 && trailing(text[length - 1]))
        --length;
    text.truncate(length);
    return text;
}

QString dottedAddress(uint32_t addressWord) {
    return QString("%1.%2.%3.%4")
        .arg(addressWord & 0xFF)
        .arg((addressWord >> 8) & 0xFF)
        .arg((addressWord >> 16) & 0xFF)
        .arg(addressWord >> 24);
}

QString volumePercent(int position) {
    return QString::number(std::lround(position / 2.54)) + " %";
}

} // namespace talix::sync
