#pragma once

#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>
#include <span>

namespace talix::sync {

// Texts the main-window items show. `locale` gives the host's decimal separator.

// The level scale labels LM120dBm, LM80dBm, LM40dBm, L0dBm for the unit and the band (the scale
// moves by 20 dB above 30 MHz).
std::array<QString, 4> levelScaleLabels(bool dbuv, bool above30MHz);

// " dBµV" or " dBm".
QString levelUnit(bool dbuv);

// a in tenths of a dB: "-73.5 dBm".
QString levelText(int32_t tenths, bool dbuv, const QLocale& locale);

// The S-meter reading of b tenths of a dBm: "S0 -3.0", "S7.5", "S9+12.0".
QString sMeterText(int32_t tenths, const QLocale& locale);

// L_Att: the attenuation (plus 107 in dBµV) less 6, with a "+" when positive: "+1dB", "-6dB".
QString attenuatorText(uint8_t attenuation, bool dbuv);

// LMod's font colour for the modulation level.
uint32_t modulationColour(uint8_t modLevel, bool tunePressed, uint32_t settingsWord);

// B_Filter, Lms and LRefresh for the spectrum mode byte.
struct SpectrumModeTexts {
    QString filterText;
    bool lmsVisible = false;
    QString refreshText;
};
SpectrumModeTexts spectrumModeTexts(uint8_t spectrumMode);

// LPI: four characters, two blanks, eight characters, two blanks, "TP" when the flag is set.
QString programmeIdentText(std::span<const uint32_t, 4> words);

// LRDS: up to 64 characters without trailing blanks, line feeds and carriage returns (the first
// character always stays).
QString radioText(std::span<const uint32_t, 16> words);

// "192.168.4.7" from an IPv4 address held as four bytes in network order.
QString dottedAddress(uint32_t addressWord);

// "Headphone 50 %" style: whole(position / 2.54).
QString volumePercent(int position);

} // namespace talix::sync
