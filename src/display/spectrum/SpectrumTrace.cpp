#include "display/spectrum/SpectrumTrace.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace talix::display {

namespace {

constexpr int kBottomRow = kDisplayRows; // row of value 0

// Draws the outline of one part as pixel rectangles, one per segment, both ends included.
// Zero-length segments add nothing, and horizontal segments that continue one another merge.
class OutlinePen {
public:
    explicit OutlinePen(std::vector<QRect>& out) : m_out(out) {}

    void moveTo(int x, int y) {
        m_x = m_startX = x;
        m_y = m_startY = y;
        m_extendable = false;
    }
    void lineTo(int x, int y) {
        if (x == m_x && y == m_y)
            return;
        if (y == m_y && m_extendable && x > m_x) {
            m_out.back().setRight(x);
        } else {
            m_out.emplace_back(QPoint(std::min(x, m_x), std::min(y, m_y)),
                               QPoint(std::max(x, m_x), std::max(y, m_y)));
        }
        m_extendable = y == m_y && x > m_x;
        m_x = x;
        m_y = y;
    }
    void verticalTo(int y) { lineTo(m_x, y); }

    // One bin of value v after a bin of value p: the horizontal part stays at the lower of the two.
    void step(int v, int p) {
        const int y = kBottomRow - v;
        if (v >= p) {
            lineTo(m_x + 1, m_y);
            verticalTo(y);
        } else {
            verticalTo(y);
            lineTo(m_x + 1, y);
        }
    }

    void finish() {
        verticalTo(kBottomRow);
        lineTo(m_startX, m_startY);
    }

private:
    std::vector<QRect>& m_out;
    int m_x = 0;
    int m_y = 0;
    int m_startX = 0;
    int m_startY = 0;
    bool m_extendable = false;
};

// Splits the area under heights[0..count) (column firstColumn onwards, each column one pixel
// wide, standing on the bottom row) into disjoint rectangles. Each rectangle is as wide as the
// run of columns that reach its band, so the fill needs far fewer spans than column by column.
void appendFillRects(const int* heights, int count, int firstColumn, std::vector<QRect>& out) {
    struct Open {
        int start;
        int height;
    };
    std::array<Open, kSpectrumBins + 1> stack;
    int depth = 0;
    for (int i = 0; i <= count; ++i) {
        const int h = i < count ? heights[i] : 0;
        int start = i;
        while (depth > 0 && stack[depth - 1].height > h) {
            const Open top = stack[--depth];
            const int below = std::max(h, depth > 0 ? stack[depth - 1].height : 0);
            out.emplace_back(firstColumn + top.start, kBottomRow - top.height, i - top.start,
                             top.height - below);
            start = top.start;
        }
        if (h > 0 && (depth == 0 || stack[depth - 1].height < h))
            stack[depth++] = {start, h};
    }
}

} // namespace

int shownBinCount(double shift) {
    if (shift <= 0)
        return kSpectrumBins;
    return int(std::clamp(std::trunc(kSpectrumBins - shift), 0.0, double(kSpectrumBins)));
}

void buildSpectrumTrace(const SpectrumBins& values, int passbandLo, int passbandHi, double shift,
                        SpectrumTrace& trace) {
    trace.outside.clear();
    trace.inside.clear();
    OutlinePen outside(trace.outside.outline);
    OutlinePen inside(trace.inside.outline);
    // The marks drawn at x + 0.5 + shift land on this column, so the trace keeps to them.
    const int k = int(std::floor(shift + 0.5));
    const int loX = passbandLo + k;
    const int hiX = passbandHi + k;

    outside.moveTo(loX, kBottomRow);
    outside.lineTo(k, kBottomRow);
    inside.moveTo(loX, kBottomRow);

    std::array<int, kSpectrumBins> fillHeight;
    const int n = shownBinCount(shift);
    int p = 0;
    for (int i = 0; i < n; ++i) {
        const int v = values[i];
        if (i >= passbandLo && i < passbandHi) {
            if (i == passbandLo) {
                outside.verticalTo(kBottomRow);
                inside.lineTo(loX, kBottomRow - p);
            }
            inside.step(v, p);
        } else {
            if (i == passbandHi) {
                inside.verticalTo(kBottomRow);
                outside.moveTo(hiX, kBottomRow);
                outside.verticalTo(kBottomRow - p);
            }
            outside.step(v, p);
        }
        fillHeight[i] = std::min(v, p);
        p = v;
    }
    outside.finish();
    inside.finish();

    // The fill of each part: its runs of bins.
    const auto isInside = [&](int i) { return i >= passbandLo && i < passbandHi; };
    for (int first = 0; first < n;) {
        int end = first + 1;
        while (end < n && isInside(end) == isInside(first))
            ++end;
        TracePart& part = isInside(first) ? trace.inside : trace.outside;
        appendFillRects(fillHeight.data() + first, end - first, first + k, part.fill);
        first = end;
    }
}

} // namespace talix::display
