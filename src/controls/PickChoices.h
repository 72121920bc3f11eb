#pragma once

#include "link/CommandPort.h"

#include <cstdint>

namespace talix::controls {

// The digit of the step readout that the knob changes after a step is chosen from the grid
// (0 for a step that is not in the grid).
int stepDigit(int32_t step);

// The records the pick-lists send.
link::Command demodChoice(int modeIndex);
link::Command bandwidthChoice(int position);
// Step and digit as one 14-byte record, so that the board never sees one without the other.
link::Command stepChoice(int32_t step);

} // namespace talix::controls
