#include "app/support/LoopbackContext.h"

namespace talix::testing {

app::ProgramContext loopbackContext(uint16_t port, const QString& dataDir, int idleLimit) {
    app::ProgramContext c;
    c.options.board = {"127.0.0.1", port};
    c.options.rotator = {"127.0.0.1", 9};
    c.options.audio = "null";
    c.options.hostServices = "simulated";
    c.options.windowed = true;
    c.drives.set('C', dataDir);
    c.receiveTimings = {20, 5, idleLimit};
    return c;
}

} // namespace talix::testing
