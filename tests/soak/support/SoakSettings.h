#pragma once

#include <QString>
#include <chrono>
#include <cstdint>

namespace talix::testing {

// The length of a soak run: TALIX_SOAK_SECONDS, or a short run that fits the test suite.
std::chrono::seconds soakDuration();

// The board's faults: the usual mix with drops and pauses several times as often, so that a short
// run sees several of each; TALIX_SOAK_FAULTS replaces it.
QString soakFaults();

// TALIX_SOAK_SEED, or 1.
uint32_t soakSeed();

// Milliseconds since the epoch (UTC), as the board's log counts them.
int64_t epochMs();

} // namespace talix::testing
