#include "app/support/SimulatedBoard.h"

#include "app/support/LoopbackContext.h"

namespace talix::testing {

sim::SimOptions simulatedBoardOptions() {
    sim::SimOptions o;
    o.listen = {"127.0.0.1", 0};
    o.rotator = {"127.0.0.1", 0};
    return o;
}

app::ProgramContext streamingBoardContext(uint16_t port, const QString& dataDir) {
    app::ProgramContext c = loopbackContext(port, dataDir);
    c.receiveTimings = {111, 20, 80};
    return c;
}

} // namespace talix::testing
