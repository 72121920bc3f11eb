#include "memory/MemoryLayout.h"

#include "base/BoardWords.h"

namespace talix::memory {

namespace {

using board::ButtonCode;
using board::MemoryFunction;

constexpr int kKey = 150;
constexpr int kKeyFont = 72;
constexpr int kFunctionFont = 32;

constexpr QRect key(int x, int y) {
    return {x, y, kKey, kKey};
}
constexpr QRect function(int y) {
    return {544, y, 209, 65};
}
constexpr int functionTag(MemoryFunction f, ButtonCode code = ButtonCode::Close) {
    return board::buttonTag(board::number(f), code);
}

} // namespace

const std::array<MemoryButton, 17>& memoryButtons() {
    static const std::array<MemoryButton, 17> buttons{{
        {"Button1", "1", 1, key(40, 106), kKeyFont},
        {"Button2", "2", 2, key(192, 106), kKeyFont},
        {"Button3", "3", 3, key(344, 106), kKeyFont},
        {"Button4", "4", 4, key(40, 258), kKeyFont},
        {"Button5", "5", 5, key(192, 258), kKeyFont},
        {"Button6", "6", 6, key(344, 258), kKeyFont},
        {"Button7", "7", 7, key(40, 410), kKeyFont},
        {"Button8", "8", 8, key(192, 410), kKeyFont},
        {"Button9", "9", 9, key(344, 410), kKeyFont},
        {"Button10", "\u2190", board::number(board::MemoryKey::Backspace), key(40, 562), kKeyFont},
        {"Button0", "0", 0, key(192, 562), kKeyFont},
        {"Button11", ", \u00B1", board::number(board::MemoryKey::Comma), key(344, 562), kKeyFont},
        {"Button14", "Discover DAB", functionTag(MemoryFunction::DiscoverDab), function(106),
         kFunctionFont},
        {"B_Esc", "Escape", functionTag(MemoryFunction::Escape, ButtonCode::Cancel), function(242),
         kFunctionFont},
        {"Button13", "MHz OK", functionTag(MemoryFunction::MHzOK), function(378), kFunctionFont},
        {"Button12", "kHz OK", functionTag(MemoryFunction::KHzOK), function(514), kFunctionFont},
        {"B_OK", "OK", functionTag(MemoryFunction::OK), function(650), kFunctionFont},
    }};
    return buttons;
}

QRect memoryLineBox(int tag) {
    // Rows from the top hold the Tags 0, 1, 2, 3, 5, 4, 6, 7, 8, 9.
    static constexpr int kRowOfTag[10] = {0, 1, 2, 3, 5, 4, 6, 7, 8, 9};
    if (tag < 0 || tag > 9)
        return {};
    return {800, 24 + 80 * kRowOfTag[tag], 617, 60};
}

int memoryLineAt(QPointF point) {
    for (int tag = 0; tag < 10; ++tag) {
        const QRect box = memoryLineBox(tag).adjusted(0, -kLineTouchMargin, 0, kLineTouchMargin);
        if (QRectF(box).contains(point))
            return tag;
    }
    return -1;
}

} // namespace talix::memory
