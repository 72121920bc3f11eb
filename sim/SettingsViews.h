#pragma once

#include "sim/BoardSettings.h"
#include "sim/SpectrumSynth.h"
#include "sim/TuningView.h"

namespace talix::sim {

// What the audio, the spectrum and the meters see of the board's settings.
TuningView tuningViewOf(const BoardSettings& s);
// The top of the display is TopLevel - 170 dBm, or TopLevel - 50 dBuV.
DisplayScale displayScaleOf(const BoardSettings& s);

} // namespace talix::sim
