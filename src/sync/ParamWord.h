#pragma once

#include "base/BoardWords.h"

#include <cstdint>

namespace talix::sync {

// TParamWord: bits 0-7 id, 8-15 item index, 16-23 form index (ids 192 and 245), 24-31 the
// tenths-format flag of a main-window value. Ids 246 and 247 carry the form index in bits 12-15.
namespace param {

// The ids by their former names, for the walk of the stream until it takes board::ParamId.
constexpr uint8_t kFiller = uint8_t(board::ParamId::Filler);
constexpr uint8_t KnobStep = uint8_t(board::ParamId::KnobStep);
constexpr uint8_t DeviceHello = uint8_t(board::ParamId::DeviceHello);
constexpr uint8_t kIgnored85 = uint8_t(board::ParamId::Ignored85);
constexpr uint8_t kIgnored90 = uint8_t(board::ParamId::Ignored90);
constexpr uint8_t FieldSelect = uint8_t(board::ParamId::FieldSelect);
constexpr uint8_t ValueWord = uint8_t(board::ParamId::ValueWord);
constexpr uint8_t ShowFormWord = uint8_t(board::ParamId::ShowFormWord);
constexpr uint8_t CloseFormWord = uint8_t(board::ParamId::CloseFormWord);

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

// Form indexes by their former names, for the walk of the stream until it takes board::Form.
constexpr int kMainForm = board::number(board::Form::Main);
constexpr int kRotatorForm = board::number(board::Form::Rotator);

} // namespace talix::sync
