#include "sim/ParamWords.h"

#include <arpa/inet.h>

namespace talix::sim {

std::vector<uint32_t> textWords(const std::string& text, size_t words) {
    std::vector<uint32_t> out(words, 0);
    for (size_t i = 0; i < text.size() && i < words * 4; ++i)
        out[i / 4] |= uint32_t(uint8_t(text[i])) << (8 * (i % 4));
    return out;
}

void appendTextWords(std::vector<uint32_t>& group, const std::string& text, size_t words) {
    const auto t = textWords(text, words);
    group.insert(group.end(), t.begin(), t.end());
}

uint32_t addressWord(const std::string& dotted) {
    in_addr addr{};
    const std::string host = dotted == "localhost" ? "127.0.0.1" : dotted;
    if (inet_pton(AF_INET, host.c_str(), &addr) != 1)
        return 0;
    // s_addr holds the bytes in network order in memory; read them as a little-endian word.
    const auto* b = reinterpret_cast<const uint8_t*>(&addr.s_addr);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

} // namespace talix::sim
