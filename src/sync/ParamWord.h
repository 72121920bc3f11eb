#pragma once

#include <cstdint>

namespace talix::sync {

// TParamWord: bits 0-7 id, 8-15 item index, 16-23 form index (ids 192 and 245), 24-31 the
// tenths-format flag of a main-window value. Ids 246 and 247 carry the form index in bits 12-15.
namespace param {

constexpr uint8_t kFiller = 0;
constexpr uint8_t KnobStep = 2;
constexpr uint8_t DeviceHello = 18;
constexpr uint8_t kIgnored85 = 85;
constexpr uint8_t kIgnored90 = 90;
constexpr uint8_t FieldSelect = 192;
constexpr uint8_t ValueWord = 245;
constexpr uint8_t ShowFormWord = 246;
constexpr uint8_t CloseFormWord = 247;

constexpr uint8_t idOf(uint32_t w) {
    return uint8_t(w);
}
constexpr int itemOf(uint32_t w) {
    return int((w >> 8) & 0xFF);
}
constexpr int formOf(uint32_t w) {
    return int((w >> 16) & 0xFF);
}
constexpr uint32_t upperHalfOf(uint32_t w) {
    return w >> 16;
}
constexpr bool tenthsOf(uint32_t w) {
    return (w >> 24) != 0;
}
constexpr int showFormIndexOf(uint32_t w) {
    return int((w >> 12) & 0xF);
}

} // namespace param

// Form indexes of the parameter stream.
constexpr int kMainForm = 0;
constexpr int kRotatorForm = 16;

} // namespace talix::sync
