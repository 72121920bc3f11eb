#pragma once

#include "base/BoardWords.h"

#include <cstdint>

namespace talix::sync {

// TParamWord: bits 0-7 id, 8-15 item index, 16-23 form index (ids 192 and 245), 24-31 the
// tenths-format flag of a main-window value. Ids 246 and 247 carry the form index in bits 12-15.
namespace param {

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

} // namespace talix::sync
