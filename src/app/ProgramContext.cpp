#include "app/ProgramContext.h"

#include "app/DemoBoard.h"
#include "sim/SimBoard.h"

namespace talix::app {

std::optional<ProgramContext> programContext(StartOptions options,
                                             std::unique_ptr<sim::SimBoard>& demoBoard,
                                             std::string& error) {
    if (options.demo) {
        demoBoard = startDemoBoard(options, error);
        if (!demoBoard)
            return std::nullopt;
    }
    ProgramContext context;
    context.drives = DriveMap::fromEnvironment(options.drives);
    context.options = std::move(options);
    return context;
}

} // namespace talix::app
