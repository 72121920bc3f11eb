#pragma once

#include "app/ProgramContext.h"
#include "sim/SimBoard.h"

namespace talix::testing {

// The simulated board in this process, on free loopback ports for its TCP stream and its rotator.
sim::SimOptions simulatedBoardOptions();

// A main window's start-up context against a board that streams (the simulated board): the link
// limits of the real program, so that a loaded test machine stalling a frame does not drop the
// link and start the board's state afresh in the middle of a test.
app::ProgramContext streamingBoardContext(uint16_t port, const QString& dataDir);

} // namespace talix::testing
