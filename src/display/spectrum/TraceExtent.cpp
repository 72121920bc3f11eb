#include "display/spectrum/TraceExtent.h"

#include "display/spectrum/SpectrumLine.h"

#include <algorithm>
#include <array>

namespace talix::display {

namespace {

using Column = TraceExtent::Column;
constexpr int16_t kNoRow = TraceExtent::kNoRow;

// Columns of `r` within the panel.
std::pair<int, int> columnsOf(const QRect& r) {
    return {std::max(r.left(), 0), std::min(r.right(), TraceExtent::kColumns - 1)};
}

bool drawn(const Column& c) {
    return c.outlineTop != kNoRow || c.fillTop < kDisplayRows;
}

// The rows a column's trace covers, from its top down to where only fill follows.
std::pair<int, int> coveredRows(const Column& c) {
    const int top = std::min<int>(c.outlineTop, c.fillTop);
    const int bottom = c.outlineTop == kNoRow ? c.fillTop : std::max<int>(c.outlineBottom, c.fillTop);
    return {top, bottom};
}

// What a pixel of a one-part column shows: 2 outline, 1 fill, 0 background.
int shown(const Column& c, int row) {
    if (row >= c.outlineTop && row <= c.outlineBottom)
        return 2;
    return row >= c.fillTop && row < kDisplayRows ? 1 : 0;
}

// A one-part column whose fill begins within or right below its outline: background, then the
// outline, then fill down to the bottom row. Most columns of a trace are so.
bool plain(const Column& c) {
    return c.parts != 3 && c.outlineTop != kNoRow && c.fillTop < kDisplayRows &&
           c.fillTop >= c.outlineTop && c.fillTop <= c.outlineBottom + 1;
}

// The first and last rows in which two columns differ; first > last when they do not.
std::pair<int, int> differingRows(const Column& a, const Column& b) {
    if (a == b)
        return {1, 0};
    if (a.parts == b.parts && plain(a) && plain(b)) {
        // Background against outline above, outline against fill below.
        const bool topMoved = a.outlineTop != b.outlineTop;
        const bool bottomMoved = a.outlineBottom != b.outlineBottom;
        const int first = topMoved      ? std::min(a.outlineTop, b.outlineTop)
                          : bottomMoved ? std::min(a.outlineBottom, b.outlineBottom) + 1
                                        : 1;
        const int last = bottomMoved ? std::min<int>(std::max(a.outlineBottom, b.outlineBottom),
                                                     kDisplayRows - 1)
                         : topMoved  ? std::max(a.outlineTop, b.outlineTop) - 1
                                     : 0;
        return {first, last};
    }
    const bool mixed = a.parts == 3 || b.parts == 3 || (a.parts != b.parts && a.parts && b.parts);
    if (mixed || !drawn(a) || !drawn(b)) {
        // Everything either trace covers, down to the bottom row.
        int top = kNoRow;
        int bottom = kDisplayRows - 1;
        for (const Column* c : {&a, &b}) {
            if (!drawn(*c))
                continue;
            const auto [coverTop, coverBottom] = coveredRows(*c);
            top = std::min(top, coverTop);
            bottom = std::max(bottom, coverBottom);
        }
        return {top, bottom};
    }
    // Both columns show each kind of pixel in runs that start at these rows.
    std::array<int, 7> starts{a.outlineTop, a.outlineBottom + 1, a.fillTop,
                              b.outlineTop, b.outlineBottom + 1, b.fillTop, kDisplayRows};
    std::sort(starts.begin(), starts.end());
    int first = 1, last = 0;
    bool any = false;
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        const int from = starts[k], to = starts[k + 1];
        if (from >= to || from >= kDisplayRows)
            continue;
        if (shown(a, from) != shown(b, from)) {
            if (!any)
                first = from;
            last = to - 1;
            any = true;
        }
    }
    return {first, last};
}

} // namespace

TraceExtent::TraceExtent() {
    m_columns.fill({kNoRow, -1, kDisplayRows, 0});
    m_bottomRow.fill(0);
}

TraceExtent::TraceExtent(const SpectrumTrace& trace) : TraceExtent() {
    add(trace.outside, 1);
    add(trace.inside, 2);
}

void TraceExtent::add(const TracePart& part, uint8_t partBit) {
    for (const QRect& r : part.outline) {
        const auto [from, to] = columnsOf(r);
        if (r.bottom() >= kDisplayRows)
            for (int x = from; x <= to; ++x)
                m_bottomRow[std::size_t(x)] = partBit;
        if (r.top() >= kDisplayRows) // along the bottom row only
            continue;
        for (int x = from; x <= to; ++x) {
            Column& c = m_columns[std::size_t(x)];
            c.outlineTop = std::min(c.outlineTop, int16_t(r.top()));
            c.outlineBottom = std::max(c.outlineBottom, int16_t(r.bottom()));
            c.parts |= partBit;
        }
    }
    for (const QRect& r : part.fill) {
        const auto [from, to] = columnsOf(r);
        for (int x = from; x <= to; ++x) {
            Column& c = m_columns[std::size_t(x)];
            c.fillTop = std::min(c.fillTop, int16_t(r.top()));
            c.parts |= partBit;
        }
    }
}

std::vector<QRect> TraceExtent::changedStrips(const TraceExtent& a, const TraceExtent& b,
                                              int stripWidth) {
    std::vector<QRect> strips;
    for (int left = 0; left < kColumns; left += stripWidth) {
        const int right = std::min(left + stripWidth, kColumns) - 1;
        int top = kNoRow;
        int bottom = -1;
        for (int x = left; x <= right; ++x) {
            const auto [first, last] = changedRows(a, b, x);
            if (first > last)
                continue;
            top = std::min(top, first);
            bottom = std::max(bottom, last);
        }
        if (top != kNoRow)
            strips.emplace_back(QPoint(left, top), QPoint(right, bottom));
    }
    return strips;
}

std::pair<int, int> TraceExtent::changedRows(const TraceExtent& a, const TraceExtent& b, int x) {
    return differingRows(a.column(x), b.column(x));
}

} // namespace talix::display
