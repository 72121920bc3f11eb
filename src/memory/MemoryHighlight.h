#pragma once

#include "base/Palette.h"

#include <cstdint>

namespace talix::memory {

// Hot pink and white: the highlighted memory line and every other one.
constexpr uint32_t kHighlightArgb = kHotPink;
constexpr uint32_t kLineArgb = kWhite;
constexpr int kMemoryLines = 10;

// The form's own highlight of the memory line touched last. TagObject (the touched line) survives
// hiding; showing the form, or the board rewriting any other line, takes the colour away.
class MemoryHighlight {
public:
    int TagObject() const { return m_tagObject; }
    // The font colour of line `tag`.
    uint32_t colourOf(int tag) const {
        return m_lit && tag == m_tagObject ? kHighlightArgb : kLineArgb;
    }

    void formShown() { m_lit = false; }
    // The board wrote line `tag`: the highlighted line keeps its colour only when it was the one.
    void lineWritten(int tag) {
        if (tag != m_tagObject)
            m_lit = false;
    }
    void linePressed(int tag) {
        m_tagObject = tag;
        m_lit = true;
    }

private:
    int m_tagObject = 0; // Edit0
    bool m_lit = false;
};

} // namespace talix::memory
