#pragma once

#include <cstddef>

namespace talix {

// Writes all `n` bytes to `fd`, going on after interruptions and short writes; false on an error.
bool writeAll(int fd, const void* data, std::size_t n);

} // namespace talix
