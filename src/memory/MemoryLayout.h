#pragma once

#include <QRect>
#include <array>

namespace talix::memory {

// One of the memory form's 17 buttons: its name, caption, Tag, place and font size.
struct MemoryButton {
    const char* name;
    const char* text;
    int tag;
    QRect box;
    int fontPixels;
};
const std::array<MemoryButton, 17>& memoryButtons();

// The memory lines Edit0 to Edit9 by Tag: each 617 x 60 at x = 800; Edit5 stands above Edit4.
QRect memoryLineBox(int tag);
// A press on the form counts for a line when it lies within this many pixels above or below it.
constexpr int kLineTouchMargin = 5;
// The line whose widened touch area holds `point` (form coordinates), or -1.
int memoryLineAt(QPointF point);

} // namespace talix::memory
