#include "app/DemoBoard.h"

#include "sim/SimBoard.h"

namespace talix::app {

std::unique_ptr<sim::SimBoard> startDemoBoard(StartOptions& options, std::string& error) {
    sim::SimOptions simOptions;
    simOptions.listen = {"127.0.0.1", 0};
    // A free port for the rotator too: a fixed one would collide between programs run side by side.
    simOptions.rotator = {"127.0.0.1", 0};
    auto board = std::make_unique<sim::SimBoard>(simOptions);
    if (!board->start()) {
        error = board->error();
        return nullptr;
    }
    options.board = {"127.0.0.1", board->port()};
    options.rotator = {"127.0.0.1", board->rotatorPort()};
    return board;
}

} // namespace talix::app
