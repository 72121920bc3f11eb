#pragma once

#include "display/spectrum/SpectrumLayers.h"
#include "display/spectrum/SpectrumLine.h"
#include "display/spectrum/TraceExtent.h"

#include <algorithm>
#include <array>
#include <vector>

namespace talix::display {

// Which layer each pixel above the bottom row takes its colour from under a given trace. A
// column of one part is read off the trace's extent; a column at a passband edge, which holds
// pixels of both parts, is worked out from the trace's rectangles in the order they are drawn.
class TraceLayerMap {
public:
    using Layer = SpectrumLayers::Layer;

    struct Column {
        int16_t outlineTop;
        int16_t outlineBottom;
        int16_t fillTop;
        Layer outline;
        Layer fill;
        const Layer* rows; // per row, for a column of both parts; else null
    };

    TraceLayerMap(const TraceExtent& extent, const SpectrumTrace& trace, int outsideBright,
                  int insideBright);
    // Its columns point into its own rows.
    TraceLayerMap(const TraceLayerMap&) = delete;
    TraceLayerMap& operator=(const TraceLayerMap&) = delete;

    const Column& column(int x) const { return m_columns[std::size_t(x)]; }
    // Row 0 up to kDisplayRows - 1.
    static Layer at(const Column& c, int row) {
        if (c.rows)
            return c.rows[row];
        if (row >= c.outlineTop && row <= c.outlineBottom)
            return c.outline;
        return row >= c.fillTop ? c.fill : SpectrumLayers::Background;
    }
    // The last row from `row` on that takes its colour from the same layer.
    static int runEnd(const Column& c, int row) {
        if (c.rows) {
            const Layer l = c.rows[row];
            while (row + 1 < kDisplayRows && c.rows[row + 1] == l)
                ++row;
            return row;
        }
        int end = kDisplayRows - 1;
        for (const int next : {int(c.outlineTop), c.outlineBottom + 1, int(c.fillTop)})
            if (next > row)
                end = std::min(end, next - 1);
        return end;
    }
    // Whether any pixel takes its colour from `layer`.
    bool uses(Layer layer) const { return (m_used >> layer) & 1u; }

private:
    using Rows = std::array<Layer, kDisplayRows>;
    void workOutMixed(int x, const SpectrumTrace& trace, Rows& rows) const;

    std::array<Column, TraceExtent::kColumns> m_columns;
    std::vector<Rows> m_mixed; // reserved up front: the columns point into it
    bool m_outsideFilled;
    bool m_insideFilled;
    unsigned m_used = 0;
};

} // namespace talix::display
