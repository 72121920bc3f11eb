#include "sync/AnsiText.h"

#include <algorithm>
#include <array>

namespace talix::sync {

namespace {

// 0x80..0x9F; the five unassigned bytes keep their C1 code point, as Windows maps them.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QChar windows1252ToUnicode(uint8_t byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHighControlRange[byte - 0x80]);
    return QChar(char16_t(byte)); // the rest equals Latin-1
}

QString ansiText(const uint8_t* bytes, size_t maxChars) {
    QString text;
    for (size_t i = 0; i < maxChars && bytes[i] != 0; ++i)
        text.append(windows1252ToUnicode(bytes[i]));
    return text;
}

QString ansiTextOfWords(std::span<const uint32_t> words, size_t maxChars) {
    QString text;
    const size_t limit = std::min(maxChars, 4 * words.size());
    for (size_t i = 0; i < limit; ++i) {
        const uint8_t byte = uint8_t(words[i / 4] >> (8 * (i % 4)));
        if (byte == 0)
            break;
        text.append(windows1252ToUnicode(byte));
    }
    return text;
}

} // namespace talix::sync
