#pragma once

#include "base/BoardWords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace talix::sim {

// The id of a parameter word, bits 0-7.
constexpr uint32_t paramId(board::ParamId id) {
    return uint32_t(id);
}

// ValueWord: item, form index; `tenths` sets the top byte that asks a main-window readout for its
// tenths format.
constexpr uint32_t valueWord(uint32_t item, uint32_t form, bool tenths = false) {
    return paramId(board::ParamId::ValueWord) | (item & 0xFF) << 8 | (form & 0xFF) << 16 |
           (tenths ? 1u << 24 : 0u);
}
// The rotator relay: bits 16-31 exactly 16.
constexpr uint32_t rotatorRelayWord() {
    return paramId(board::ParamId::ValueWord) | uint32_t(board::number(board::Form::Rotator)) << 16;
}
constexpr uint32_t fieldSelectWord(uint32_t item, uint32_t form) {
    return paramId(board::ParamId::FieldSelect) | (item & 0xFF) << 8 | (form & 0xFFFF) << 16;
}
constexpr uint32_t showFormWord(uint32_t form) {
    return paramId(board::ParamId::ShowFormWord) | (form & 15) << 12;
}
constexpr uint32_t closeFormWord(uint32_t form) {
    return paramId(board::ParamId::CloseFormWord) | (form & 15) << 12;
}
constexpr uint32_t knobStepWord(int step) {
    return paramId(board::ParamId::KnobStep) | (uint32_t(step) & 0xFF) << 8;
}

// Text in the host's single-byte code page, first character in the lowest byte of the first word,
// padded with zero bytes to `words` words (a longer text is cut).
std::vector<uint32_t> textWords(const std::string& text, size_t words);
// The same words appended to a group.
void appendTextWords(std::vector<uint32_t>& group, const std::string& text, size_t words);

// An IPv4 address in dotted form as the four bytes in network order (first byte lowest); 0 when
// the text is not such an address.
uint32_t addressWord(const std::string& dotted);

} // namespace talix::sim
