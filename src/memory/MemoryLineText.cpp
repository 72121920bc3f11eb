#include "memory/MemoryLineText.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace talix::memory {

namespace {

constexpr size_t kLineChars = 28;

uint8_t byteAt(std::span<const uint32_t> words, size_t i) {
    const size_t word = i / 4;
    return word < words.size() ? uint8_t(words[word] >> (8 * (i % 4))) : 0;
}

} // namespace

QString memoryLineText(std::span<const uint32_t> words) {
    std::array<char, kLineChars> line{};
    const unsigned number = byteAt(words, 0);
    line[0] = number >= 100 ? char('0' + number / 100) : ' ';
    line[1] = number >= 10 ? char('0' + number / 10 % 10) : ' ';
    line[2] = char('0' + number % 10);
    std::memcpy(&line[3], " C  S  ", 7);
    for (size_t i = 0; i < 4; ++i)
        line[10 + i] = char(byteAt(words, 1 + i));
    line[14] = ' ';
    for (size_t i = 0; i < 13; ++i)
        line[15 + i] = char(byteAt(words, 5 + i));
    const size_t end = size_t(std::find(line.begin(), line.end(), '\0') - line.begin());
    return QString::fromUtf8(line.data(), qsizetype(end));
}

} // namespace talix::memory
