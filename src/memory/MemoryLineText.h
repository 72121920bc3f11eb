#pragma once

#include <QString>
#include <cstdint>
#include <span>

namespace talix::memory {

// The 28 characters of a memory line: byte 0 as "%3u", " C  S  ", bytes 1-4, a blank, bytes
// 5-17 (18 and 19 are not shown), read as UTF-8 up to the first zero byte. Missing words count as
// zero bytes.
QString memoryLineText(std::span<const uint32_t> words);

} // namespace talix::memory
