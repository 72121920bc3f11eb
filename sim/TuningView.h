#pragma once

#include "sim/ModeFilters.h"

#include <cstdint>

namespace talix::sim {

// What the receiver is set to, as the audio, the spectrum and the meters need it.
struct TuningView {
    int64_t tunedHz = 0;
    uint8_t mode = board::kModeAmE;
    double bandwidthHz = 8000;
    Passband rf;             // relative to tunedHz
    double binHz = 100;      // spectrum resolution
    double notchHz = 0;      // audio frequency of the notch
    double notchWidthHz = 0; // 0: no notch
    bool agcAuto = true;
    double agcLimitDbm = -100; // automatic gain: below this level the gain stays fixed
    double rfGainDb = 40;      // manual gain
    double squelchDbm = -1000; // audio muted below this passband level
    int dnr = 0;               // noise reduction steps
    bool stereo = true;
    double frontEndGainDb = 0; // attenuator (negative) or preamplifier
};

} // namespace talix::sim
