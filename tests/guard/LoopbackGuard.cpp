// Linked into every test, fuzz and benchmark program: the loopback guard holds however the program
// is started (by hand, from an IDE, outside CTest), before main and before any test runs. The
// environment is set as well, for the programs they start (the simulated board, the program).
#include "base/Endpoint.h"

#include <cstdlib>

namespace {

const bool kGuarded = [] {
    talix::forceLoopbackOnly();
    ::setenv("TALIX_LOOPBACK_ONLY", "1", 1);
    // Programs running side by side on a small machine: none raised above the others.
    ::setenv("TALIX_NORMAL_PRIORITY", "1", 1);
    return true;
}();

} // namespace
