#pragma once

#include <cstdint>
#include <string>

namespace talix::controls {

// The undo level the board reports in bits 0-7 of its value.
inline uint8_t undoCount(uint32_t value) {
    return uint8_t(value & 0xFF);
}

// The undo box's field for the board's value: the level in decimal followed by the state in
// bits 8-31 ("  available", "  empty", otherwise "  Defaults!").
std::string undoText(uint32_t value);

} // namespace talix::controls
