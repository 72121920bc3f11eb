#pragma once

#include "sim/ModeFilters.h"

#include <cstdint>
#include <map>
#include <vector>

namespace talix::sim {

// Everything the simulated board holds for the main window and the Setup form. Frequencies and
// steps are in units of 0.1 Hz, as on the wire.
struct BoardSettings {
    int64_t tunedFreq = 60'700'000; // 6,070 kHz
    int64_t txFreq = 60'700'000;
    uint8_t mode = board::kModeAmE;
    uint16_t bandwidth = 8000;
    std::map<uint8_t, uint16_t> bandwidthByMode;
    int16_t shift = 0;
    uint16_t notchWidth = 0;
    int16_t notchPos = 1000;
    uint8_t autoNotch = 40;
    uint16_t agcLimit = 100; // (5v - 1400) / 10 dBm = -90 dBm
    uint16_t threshold = 0;  // 0: off
    uint8_t dnr = 0;
    uint32_t binCode = 40;  // BinHz = code x 2.5
    uint8_t topLevel = 125; // top of the spectrum: -45 dBm
    uint8_t dbPerDiv = 10;
    uint16_t refreshTime = 40 | 2 << 9; // 1000 ms hold, averaging x4
    uint8_t wfTimeUnit = 16;
    uint8_t insideBright = 60, outsideBright = 40, gridBright = 30;
    uint8_t nbLevel = 0, nbDuration = 5;
    uint8_t headphoneVolume = 128, speakerVolume = 180;
    uint16_t agcHold = 10, agcAttack = 50;
    uint8_t gainCtrlIndex = 0, notchIndex = 0;
    uint8_t attenuation = 6; // 6: 0 dB
    uint32_t tuneDigit = 3;
    uint8_t brightness = 70;
    int64_t tuneStep = 10000; // 1 kHz
    uint8_t spectrumMode = 1; // 1 Off, 2 Average, 3 Max Hold, 4 Min Hold
    uint32_t lockWord = 0;
    uint8_t wfHigh = 70, wfLow = 5;
    bool fullFmList = true;
    // Bit 0 AGC automatic (bit GainCtrlIndex), bit 4 dBuV, bit 5 stereo, bits 7-6 deemphasis.
    uint8_t flags = 0x01 | 0x20 | 0x80;
    std::vector<int64_t> undo; // earlier tuned frequencies, newest last
    bool tuneMode = false;
    uint8_t selectedField = 0;

    // Setup form.
    uint32_t scrollThreshold = 11;
    uint32_t lowpass = 150;
    uint8_t highpass = 2;
    uint8_t impedance = 2;
    uint8_t audioResolution = 8;
    uint8_t rfFilter = 0;
    uint8_t loudspeaker = 3;
    // Bits 7-4 frequency auto activation, 28 notch automatic, 30-29 display rate, 31 priority.
    uint32_t settingsWord = 0;
    uint8_t touchAction = 3;
    uint8_t setupSelected = 0;

    // Other boards' parts the main window shows.
    bool externalAntenna = false;
    uint16_t accessorySerial = 1234; // the ZUM8's
    uint8_t rotatorPosition = 116;
    bool rotatorOn = false;
    bool rotatorSelected = false;
    int shownForm = 0; // form index shown by the board, 0: none

    double binHz() const { return binCode * 2.5; }
    int64_t tunedHz() const { return tunedFreq / 10; }
    bool agcAutomatic() const { return flags >> (gainCtrlIndex & 31) & 1; }
    bool levelsInDbuv() const { return flags & 0x10; }
};

} // namespace talix::sim
