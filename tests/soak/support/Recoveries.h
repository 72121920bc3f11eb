#pragma once

#include "soak/support/BoardLog.h"

#include <cstdint>
#include <string>
#include <vector>

namespace talix::testing {

// From a fault to the next greeting: the program notices a silent link after about 0.7 s and a
// closed one at once; the rest is a loaded machine.
constexpr int64_t kRecoveryBoundMs = 5000;

// One lost connection as the board saw it, and the program's way back.
struct Recovery {
    std::string why;         // the board's reason for the close
    int64_t faultMs = 0;     // the close, or the start of the pause the program gave up on
    int64_t closedMs = 0;    // the close
    int64_t greetingMs = -1; // the next greeting; -1 when none followed
    bool recovered() const { return greetingMs >= 0; }
    int64_t recoveryMs() const { return greetingMs - faultMs; }
};

std::vector<Recovery> findRecoveries(const std::vector<BoardEvent>& events);

struct RecoveryFigures {
    size_t count = 0; // recovered ones
    int64_t maxMs = 0;
    double meanMs = 0;
};
RecoveryFigures recoveryFigures(const std::vector<Recovery>& recoveries);

// Every recovery that took longer than `boundMs`, or that never came although the close lies more
// than `boundMs` before `endMs`, described for a failure message.
std::vector<std::string> lateRecoveries(const std::vector<Recovery>& recoveries, int64_t endMs,
                                        int64_t boundMs);

} // namespace talix::testing
