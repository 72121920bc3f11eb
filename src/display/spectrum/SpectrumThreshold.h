#pragma once

#include "display/spectrum/SpectrumSettings.h"

namespace talix::display {

// Height of the threshold line above the bottom of the spectrum, 0..319; 0 means no line.
// The threshold (t/2 - 140 dBm, or t/2 - 33 dBuV) is measured from the bottom of a display whose
// top is TopLevel - 170 dBm (TopLevel - 50 dBuV), at 40 / DbPerDiv pixels per dB with the coarse
// factor 20 div DbPerDiv.
int thresholdRowFor(const SpectrumSettings& s);

} // namespace talix::display
