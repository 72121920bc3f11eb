#pragma once

#include <QLocale>
#include <QRgb>
#include <QString>
#include <cstdint>

namespace talix::display {

// Texts of the main window's readouts. Each function takes the plain values it shows; `mark` is the
// field's repaint mark (2 selects the tenths format of the fields that have one). Frequencies and
// steps are in units of 0.1 Hz.

// EFreq1, EFreq2: mark 2 shows f / 10 with one decimal, otherwise f whole; 11 integer digits.
QString frequencyText(int32_t f, int mark, const QLocale& locale);

// EDemod: the name of a mode index, empty for an index without a name.
QString modeName(uint8_t modeIndex);
// EDemod's font colour: light pink for the modes below 7, yellow from 7 on.
QRgb modeColour(uint8_t modeIndex);

// EBW: 10 Hz and more as a number; the codes 0 to 7 by name; 8 and 9 show nothing.
QString bandwidthText(uint16_t bandwidth, const QLocale& locale);

// EShift: the magnitude followed by its sign.
QString shiftText(int16_t shift, const QLocale& locale);

// ENotchW.
QString notchWidthText(uint16_t width, const QLocale& locale);

// ENotchP: the automatic notch as "Auto " and its value × 0.04 with one decimal; a manual position
// as magnitude and sign, or ">19.999" from 20000 Hz either way.
QString notchPositionText(bool automatic, uint8_t autoValue, int16_t position,
                          const QLocale& locale);

// Bits of ReceiverFlags read by the readouts.
constexpr uint8_t kFlagAgcLimitMode = 1u << 0;
constexpr uint8_t kFlagLevelsInDbuv = 1u << 4;

// EAGCL: AGC limit or RF gain from its code.
QString agcLimitText(uint16_t code, uint8_t receiverFlags, const QLocale& locale);

// EThresh: "Off" for code 0, else the threshold level from its code.
QString thresholdText(uint16_t code, uint8_t receiverFlags, const QLocale& locale);

// EDNR.
QString dnrText(uint8_t dnr, const QLocale& locale);

// EReso and EResoD draw a unit at the right edge and the number left of it.
struct UnitReadout {
    QString unit;
    QString number;
    int unitWidth = 0; // how far the number's right edge moves left of the unit's
};
// EReso: Hz per spectrum bin.
UnitReadout binWidthText(float binHz, const QLocale& locale);
// EResoD: the width of one grid division of 64 bins.
UnitReadout divisionWidthText(float binHz, const QLocale& locale);

// The level at the top of the spectrum in dBm or dBµV.
int32_t topLevelValue(int32_t topLevel, uint8_t receiverFlags);
// ELTop.
QString topLevelText(int32_t topLevel, uint8_t receiverFlags);
// ELBot: eight divisions below the top.
QString bottomLevelText(int32_t topLevel, uint8_t dbPerDiv, uint8_t receiverFlags);
// ESpan.
QString spanText(uint8_t dbPerDiv);

// ERefresh: "x" and the averaging factor in averaging mode, else the refresh time in ms, or
// "  ~  " from code 400 on.
QString refreshText(uint16_t refreshTime, uint8_t spectrumMode, const QLocale& locale);

// Waterfall seconds per division: the time unit × 0.5 × (1 + the rate divider of SettingsWord).
double secondsPerDivision(uint8_t wfTimeUnit, uint32_t settingsWord);
// ETime.
QString timePerDivisionText(uint8_t wfTimeUnit, uint32_t settingsWord, const QLocale& locale);

// ESigB, ESpecB, EGridB.
QString percentText(uint8_t percent);

// ENBP.
QString nbLevelText(uint8_t level);
// ENBD: mark 2 shows the duration × 0.1 with one decimal.
QString nbDurationText(uint8_t duration, int mark, const QLocale& locale);

// AGC automatic: the ReceiverFlags bit numbered by GainCtrlIndex (modulo 32) is set.
bool agcAutomatic(uint8_t receiverFlags, uint8_t gainCtrlIndex);
// EHold: the low 8 bits of AgcHold; "M" when the AGC is manual.
QString agcHoldText(uint16_t hold, bool automatic, int mark, const QLocale& locale);
// EAttack: AgcAttack; "Man" when the AGC is manual.
QString agcAttackText(uint16_t attack, bool automatic, int mark, const QLocale& locale);

// EStepsRX: the tuning step, 7 integer digits.
QString stepText(int32_t step, int mark, const QLocale& locale);

} // namespace talix::display
