#pragma once

#include "app/ProgramContext.h"

namespace talix::testing {

// A main window's start-up context for tests: the board on loopback, silent audio, simulated host
// services, drive C: in `dataDir`, short polls. A scripted board that sends no frames needs a
// higher `idleLimit` to keep the link up for the length of a test.
app::ProgramContext loopbackContext(uint16_t port, const QString& dataDir, int idleLimit = 80);

} // namespace talix::testing
