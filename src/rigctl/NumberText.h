#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace talix::rigctl {

// Hertz as a client writes them ("145000000", "7074000.000000", "100.05") to 0.1 Hz, rounded half
// up; nothing for anything else (signs, exponents, empty). Beyond any band, a huge number reads as
// a value no band holds rather than overflowing.
std::optional<int64_t> parseTenths(std::string_view hz);

// A whole number with an optional minus sign (a passband of -1 means "no change"); nothing for
// anything else or beyond ±10^9.
std::optional<int64_t> parseInteger(std::string_view text);

} // namespace talix::rigctl
