#pragma once

#include "app/HostControls.h"
#include "app/StartOptions.h"
#include "base/DriveMap.h"
#include "link/ReceiveThread.h"

#include <memory>
#include <optional>
#include <string>

namespace talix::sim {
class SimBoard;
}

namespace talix::app {

// What the program is started with: the command line, the drives, and the timings of the link and
// the host's timers (tests shorten them).
struct ProgramContext {
    StartOptions options;
    DriveMap drives;
    link::ReceiveTimings receiveTimings;
    HostControls::Timings hostTimings;
};

// The program's context from its options: the drives as the environment and the options place
// them, and with --demo the simulated board started in `demoBoard` and the options pointed at it.
// Empty, with `error` set, when the simulated board does not start.
std::optional<ProgramContext>
programContext(StartOptions options, std::unique_ptr<sim::SimBoard>& demoBoard, std::string& error);

} // namespace talix::app
