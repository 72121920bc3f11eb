#pragma once

#include "display/spectrum/SpectrumTrace.h"

#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

namespace talix::display {

// What the trace draws in each column of the spectrum panel above the outline along the bottom
// row, which every trace of the same passband and shift shares. In a column of one part the
// outline's pixels are one run of rows (the pen comes in, may climb or drop, and goes on) and the
// fill runs from its first row down to the bottom row, so the two runs say what every pixel of
// the column shows. A column at a passband edge holds pixels of both parts.
class TraceExtent {
public:
    static constexpr int kColumns = 1026; // the panel's width

    TraceExtent(); // no trace
    explicit TraceExtent(const SpectrumTrace& trace);

    // Rectangles at most `stripWidth` columns wide that hold every pixel in which the traces of
    // `a` and `b` differ; none when they do not.
    static std::vector<QRect> changedStrips(const TraceExtent& a, const TraceExtent& b,
                                            int stripWidth);
    // The first and last rows in which column x of the traces of `a` and `b` differs; first >
    // last when it does not. Rows may lie above the panel when a trace runs over its top.
    static std::pair<int, int> changedRows(const TraceExtent& a, const TraceExtent& b, int x);

    struct Column {
        int16_t outlineTop;    // kNoRow: no outline above the bottom row
        int16_t outlineBottom;
        int16_t fillTop;       // the bottom row: no fill
        uint8_t parts;         // bit 0 outside, bit 1 inside
        bool operator==(const Column&) const = default;
    };
    static constexpr int16_t kNoRow = INT16_MAX;

    const Column& column(int x) const { return m_columns[std::size_t(x)]; }

    // Whether the two traces draw the bottom row alike. It depends only on the passband and the
    // shift a trace was built with, and is blank before the first trace.
    static bool sameBottomRow(const TraceExtent& a, const TraceExtent& b) {
        return a.m_bottomRow == b.m_bottomRow;
    }

private:
    void add(const TracePart& part, uint8_t partBit);

    std::array<Column, kColumns> m_columns;
    std::array<uint8_t, kColumns> m_bottomRow; // per column: the part drawn last there, or 0
};

} // namespace talix::display
