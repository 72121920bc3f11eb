#include "support/ParamFrames.h"

#include "base/BoardWords.h"
#include "base/LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace talix::testing {

namespace {
uint32_t id(board::ParamId id) {
    return uint32_t(id);
}
} // namespace

uint32_t streamHeader(uint32_t n, uint32_t seq, bool continuation) {
    return (n & 0xFF) | (seq & 0x7FFFFF) << 8 | (continuation ? 0x80000000u : 0);
}

uint32_t lParamOf(uint16_t counter, uint32_t length) {
    return uint32_t(counter) << 16 | (length & 0xFFFF);
}

Payload payload(uint32_t header, const Words& words, uint32_t status, uint8_t audioByte,
                uint8_t spectrumByte) {
    Payload p(3700, 0);
    std::fill(p.begin() + 496, p.begin() + 2544, audioByte);
    std::fill(p.begin() + 2544, p.begin() + 3696, spectrumByte);
    writeLe32(p.data(), header);
    for (size_t i = 0; i < words.size() && i < 124; ++i)
        writeLe32(p.data() + 4 + 4 * i, words[i]);
    writeLe32(p.data() + 3696, status);
    return p;
}

Words block(std::initializer_list<uint32_t> paramWords) {
    return block(Words(paramWords));
}

Words block(const Words& paramWords) {
    Words b;
    b.push_back(uint32_t(4 * (paramWords.size() + 1)));
    b.insert(b.end(), paramWords.begin(), paramWords.end());
    return b;
}

std::vector<Payload> fragments(const Words& blockWords, uint32_t seq, uint32_t firstWords) {
    std::vector<Payload> out;
    const size_t first = std::min<size_t>(firstWords, blockWords.size());
    out.push_back(payload(streamHeader(uint32_t(first), seq, false),
                          Words(blockWords.begin(), blockWords.begin() + long(first))));
    if (first < blockWords.size()) {
        const Words rest(blockWords.begin() + long(first), blockWords.end());
        out.push_back(payload(streamHeader(uint32_t(rest.size()), seq, true), rest));
    }
    return out;
}

uint32_t valueWord(int item, int form, bool tenths) {
    return id(board::ParamId::ValueWord) | uint32_t(item & 0xFF) << 8 |
           uint32_t(form & 0xFF) << 16 | (tenths ? 1u << 24 : 0);
}

uint32_t fieldSelect(int item, uint32_t form) {
    return id(board::ParamId::FieldSelect) | uint32_t(item & 0xFF) << 8 | form << 16;
}

uint32_t showForm(int index) {
    return id(board::ParamId::ShowFormWord) | uint32_t(index & 0xF) << 12;
}

uint32_t closeForm(int index) {
    return id(board::ParamId::CloseFormWord) | uint32_t(index & 0xF) << 12;
}

uint32_t knobStep(int step) {
    return id(board::ParamId::KnobStep) | uint32_t(uint8_t(int8_t(step))) << 8;
}

uint32_t deviceHello(int wifiVersion, int serial) {
    return id(board::ParamId::DeviceHello) | uint32_t(wifiVersion & 0xFF) << 8 |
           uint32_t(serial & 0xFFFF) << 16;
}

uint32_t chars(const char* four) {
    uint8_t b[4] = {0, 0, 0, 0};
    std::memcpy(b, four, std::min<size_t>(std::strlen(four), 4));
    return readLe32(b);
}

} // namespace talix::testing
