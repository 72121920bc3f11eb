#pragma once

#include "app/StartOptions.h"

#include <memory>
#include <string>

namespace talix::sim {
class SimBoard;
}

namespace talix::app {

// --demo: starts the simulated board in this process on free loopback ports (its TCP stream and
// its UDP rotator) and points the options' board and rotator at them. Empty, with `error` set,
// when the board does not start.
std::unique_ptr<sim::SimBoard> startDemoBoard(StartOptions& options, std::string& error);

} // namespace talix::app
