#pragma once

#include <chrono>
#include <functional>

namespace talix::testing {

// Processes the UI thread's events until `condition` holds or `timeout` passes.
bool pumpUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

} // namespace talix::testing
