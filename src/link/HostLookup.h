#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace talix::link {

// The host's first IPv4 address (host byte order) from the system's resolver; blocks while it
// asks.
std::optional<uint32_t> lookUpHost(const std::string& host);

} // namespace talix::link
