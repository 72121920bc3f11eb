#pragma once

#include "display/readouts/KnobMark.h"

#include <cstdint>

namespace talix::display {

// The values the readouts show, as the receiver state holds them (frequencies and steps in 0.1 Hz).
// The painter fills this from the receiver state on the UI thread before it composes a pass.
struct ReadoutState {
    int32_t tunedFreq = 0;
    int32_t spectrumLeftFreq = 0;
    int32_t freqAux = 0;
    uint8_t modeIndex = 0;
    uint16_t bandwidth = 0;
    int16_t shift = 0;
    uint16_t notchWidth = 0;
    int16_t notchPos = 0;
    uint8_t autoNotch = 0; // AutoNotch[NotchIndex]
    uint16_t agcLimit = 0;
    uint16_t threshold = 0;
    uint8_t dnr = 0;
    float binHz = 0;
    int32_t topLevel = 0;
    uint8_t dbPerDiv = 0;
    uint16_t refreshTime = 0;
    uint8_t wfTimeUnit = 16;
    uint8_t insideBright = 0;
    uint8_t outsideBright = 0;
    uint8_t gridBright = 0;
    uint8_t nbLevel = 0;
    uint8_t nbDuration = 0;
    uint16_t agcHold = 0;
    uint16_t agcAttack = 0;
    int32_t txFreq = 0;
    uint8_t gainCtrlIndex = 0;
    int32_t tuneStep = 0;
    uint8_t spectrumMode = 0;
    uint8_t receiverFlags = 0;
    uint32_t settingsWord = 0;
    float gridOffset = 0;
    float knobAngle = kKnobStartAngle;
};

} // namespace talix::display
