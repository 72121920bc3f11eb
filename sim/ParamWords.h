#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talix::sim {

// TParamWord ids the board sends.
constexpr uint8_t kIdKnobStep = 2;
constexpr uint8_t kIdDeviceHello = 18;
constexpr uint8_t kIdFieldSelect = 192;
constexpr uint8_t kIdValueWord = 245;
constexpr uint8_t kIdShowForm = 246;
constexpr uint8_t kIdCloseForm = 247;

// Form indexes of the program's form slots, as the board addresses them.
constexpr int kFormMain = 0;
constexpr int kFormSetup = 1;
constexpr int kFormSystem = 2;
constexpr int kFormUndo = 3;
constexpr int kFormMike = 4;
constexpr int kFormMemory = 5;
constexpr int kFormWiFi = 10;
constexpr int kFormRecorder = 13;
constexpr int kFormDab = 15;
constexpr int kFormRotator = 16;

// ValueWord: item, form index; `tenths` sets the top byte that asks a main-window readout for its
// tenths format.
constexpr uint32_t valueWord(uint32_t item, uint32_t form, bool tenths = false) {
    return kIdValueWord | (item & 0xFF) << 8 | (form & 0xFF) << 16 | (tenths ? 1u << 24 : 0u);
}
// The rotator relay: bits 16-31 exactly 16.
constexpr uint32_t rotatorRelayWord() {
    return kIdValueWord | uint32_t(kFormRotator) << 16;
}
constexpr uint32_t fieldSelectWord(uint32_t item, uint32_t form) {
    return kIdFieldSelect | (item & 0xFF) << 8 | (form & 0xFFFF) << 16;
}
constexpr uint32_t showFormWord(uint32_t form) {
    return kIdShowForm | (form & 15) << 12;
}
constexpr uint32_t closeFormWord(uint32_t form) {
    return kIdCloseForm | (form & 15) << 12;
}
constexpr uint32_t knobStepWord(int step) {
    return kIdKnobStep | (uint32_t(step) & 0xFF) << 8;
}

// Text in the host's single-byte code page, first character in the lowest byte of the first word,
// padded with zero bytes to `words` words (a longer text is cut).
std::vector<uint32_t> textWords(const std::string& text, size_t words);

// An IPv4 address in dotted form as the four bytes in network order (first byte lowest); 0 when
// the text is not such an address.
uint32_t addressWord(const std::string& dotted);

} // namespace talix::sim
