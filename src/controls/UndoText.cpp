#include "controls/UndoText.h"

namespace talix::controls {

namespace {
constexpr uint32_t kAvailable = 1;
constexpr uint32_t kEmpty = 2;
} // namespace

std::string undoText(uint32_t value) {
    const uint32_t state = value >> 8;
    const char* suffix = state == kAvailable ? "  available"
                         : state == kEmpty   ? "  empty"
                                             : "  Defaults!";
    return std::to_string(undoCount(value)) + suffix;
}

} // namespace talix::controls
