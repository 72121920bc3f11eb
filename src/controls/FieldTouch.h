#pragma once

#include "link/CommandPort.h"

#include <cstdint>
#include <optional>

namespace talix::controls {

// What decides whether touching a readout selects it on the board.
struct FieldTouchInputs {
    bool memoryKeypadOwnsTouches = false; // F_Memory visible and the rotator not selected
    uint8_t receiverFlags = 0;
    uint8_t gainCtrlIndex = 0; // the ReceiverFlags bit meaning AGC automatic
    bool tuneMode = false;     // B_Tune stays pressed
};

// The field selection a touch on the readout with this Tag and MaxLength sends, or nothing:
// while the memory keypad is open it takes the touches, and the AGC times are no fields while the
// gain is manual. The frequency readout in tune mode is the frequency entry (pseudo-field 19).
std::optional<link::Command> fieldSelectCommand(int tag, int maxLength, const FieldTouchInputs& in);

} // namespace talix::controls
