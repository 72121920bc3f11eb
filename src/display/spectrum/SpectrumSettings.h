#pragma once

#include <cstdint>

namespace talix::display {

// The receiver values the spectrum and the waterfall read. The main window fills it from the
// receiver state before each call; the comment after each field names who sets the value (an item
// number is a main-window item of the parameter stream).
struct SpectrumSettings {
    float binHz = 0;          // BinHz, item 9 (Hz per bin; 160 switches on the mode-dependent grid)
    int32_t tunedFreq = 0;    // TunedFreq, item 0 word 1 (0.1 Hz)
    uint8_t modeIndex = 0;    // ModeIndex, item 1
    uint16_t bandwidth = 0;   // Bandwidth, item 2 (Hz)
    uint16_t notchWidth = 0;  // NotchWidth, item 4
    uint16_t agcLimit = 0;    // AgcLimit, item 6
    uint16_t threshold = 0;   // Threshold, item 7
    int32_t topLevel = 0;     // TopLevel, item 10 (0..255)
    uint8_t dbPerDiv = 0;     // DbPerDiv, item 11
    uint8_t wfTimeUnit = 16;  // WfTimeUnit, item 13: drawn lines per waterfall row
    uint8_t insideBright = 0; // InsideBright, item 14 (percent)
    uint8_t outsideBright = 0;   // OutsideBright, item 15 (percent)
    uint8_t gridBright = 0;      // GridBright, item 16 (percent)
    uint16_t passbandLo = 0;     // PassbandLo, item 33 word A: first bin inside the passband
    uint16_t passbandHi = 0;     // PassbandHi, item 33 word A: first bin after it
    int32_t markerLo = 0;        // MarkerLo, item 33 word B: notch rectangle's left edge in bins
    int32_t markerHi = 0;        // MarkerHi, item 33 word B: its right edge
    uint8_t receiverFlags = 0;   // ReceiverFlags, item 43 and Setup items 1-3: bit 4 = dBuV
    uint32_t settingsWord = 0;   // SettingsWord, settings forms: bits 29-30 divider, bit 31 grid
    int32_t audioResolution = 0; // AudioResolution, Setup item 7
    uint16_t agcLevelRow = 0;    // AgcLevelRow, bits 0-8 of every frame's status word
    int waterfallHigh = 70;      // position of the track bar TBWFH (1..160), item 35
    int waterfallLow = 5;        // position of the track bar TBWFL (0..159), item 36

    // Display rate divider index d: every (d + 1)-th line is drawn, averaged over d + 1 lines.
    int dividerIndex() const { return int((settingsWord >> 29) & 3); }
    // Set: the grid follows the passband (moves by GridOffset); clear: the trace moves instead.
    bool gridFollowsPassband() const { return (settingsWord >> 31) & 1; }
    bool levelsInDbMicroVolt() const { return (receiverFlags >> 4) & 1; }
};

} // namespace talix::display
