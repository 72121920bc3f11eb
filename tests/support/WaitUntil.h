#pragma once

#include <chrono>
#include <functional>

namespace talix::testing {

// Looks at `condition` every `poll`, without an event loop, until it holds or `timeout` passes.
// A condition that reads a file or a child's output wants a longer poll than one that reads a
// counter.
bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(20),
               std::chrono::milliseconds poll = std::chrono::milliseconds(20));

} // namespace talix::testing
