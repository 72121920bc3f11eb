#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>

namespace talix::sync {

// The board's texts are single bytes in the host's ANSI code page, Windows-1252 here.
QChar windows1252ToUnicode(uint8_t byte);

// At most `maxChars` bytes, ending at the first zero byte.
QString ansiText(const uint8_t* bytes, size_t maxChars);

// The text carried by value words, first character in the lowest byte of the first word; it ends
// at its first zero byte and never extends beyond its own words or `maxChars`.
QString ansiTextOfWords(std::span<const uint32_t> words, size_t maxChars);

} // namespace talix::sync
