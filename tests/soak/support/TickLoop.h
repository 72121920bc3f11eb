#pragma once

#include <chrono>
#include <functional>

namespace talix::testing {

// Runs the UI thread's event loop and calls `step` every `interval` until it returns true or
// `timeout` passes; false on the time-out. Unlike a polling pump it sleeps between events, so a
// long run leaves the processor to the program.
bool tickUntil(std::chrono::milliseconds interval, std::chrono::milliseconds timeout,
               const std::function<bool()>& step);

} // namespace talix::testing
