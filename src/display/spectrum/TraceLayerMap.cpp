#include "display/spectrum/TraceLayerMap.h"

#include <algorithm>

namespace talix::display {

using Layer = SpectrumLayers::Layer;

TraceLayerMap::TraceLayerMap(const TraceExtent& extent, const SpectrumTrace& trace,
                             int outsideBright, int insideBright)
    : m_outsideFilled(outsideBright != 0), m_insideFilled(insideBright != 0) {
    int mixed = 0;
    for (int x = 0; x < TraceExtent::kColumns; ++x)
        mixed += extent.column(x).parts == 3;
    m_mixed.reserve(std::size_t(mixed));
    m_used = 1u << SpectrumLayers::Background;
    for (int x = 0; x < TraceExtent::kColumns; ++x) {
        const TraceExtent::Column& e = extent.column(x);
        Column& c = m_columns[std::size_t(x)];
        c = {e.outlineTop, e.outlineBottom, e.fillTop, SpectrumLayers::Background,
             SpectrumLayers::Background, nullptr};
        if (e.parts == 3) {
            Rows& rows = m_mixed.emplace_back();
            workOutMixed(x, trace, rows);
            for (const Layer l : rows)
                m_used |= 1u << l;
            c.rows = rows.data();
            continue;
        }
        if (e.parts == 0)
            continue;
        const bool inside = e.parts == 2;
        c.outline = inside ? SpectrumLayers::InsideOutline : SpectrumLayers::OutsideOutline;
        if (inside && m_insideFilled)
            c.fill = SpectrumLayers::InsideFill;
        else if (!inside && m_outsideFilled)
            c.fill = SpectrumLayers::OutsideFill;
        m_used |= 1u << c.outline | 1u << c.fill;
    }
}

void TraceLayerMap::workOutMixed(int x, const SpectrumTrace& trace, Rows& rows) const {
    rows.fill(SpectrumLayers::Background);
    // Lays `rects` into the column, each row's layer chosen from what it showed before.
    const auto lay = [&](const std::vector<QRect>& rects, auto layerOver) {
        for (const QRect& r : rects) {
            if (x < r.left() || x > r.right())
                continue;
            const int from = std::max(r.top(), 0), to = std::min(r.bottom(), kDisplayRows - 1);
            for (int row = from; row <= to; ++row)
                rows[std::size_t(row)] = layerOver(rows[std::size_t(row)]);
        }
    };
    if (m_outsideFilled)
        lay(trace.outside.fill, [](Layer) { return SpectrumLayers::OutsideFill; });
    lay(trace.outside.outline, [](Layer) { return SpectrumLayers::OutsideOutline; });
    // The parts' fills never share a column, so the inside's lies on the background or on the
    // outside's outline.
    if (m_insideFilled)
        lay(trace.inside.fill, [](Layer under) {
            return under == SpectrumLayers::OutsideOutline
                       ? SpectrumLayers::InsideFillOnOutsideOutline
                       : SpectrumLayers::InsideFill;
        });
    lay(trace.inside.outline, [](Layer) { return SpectrumLayers::InsideOutline; });
}

} // namespace talix::display
