#include "display/spectrum/RasterBands.h"

#include <algorithm>

namespace talix::display {

void appendInBands(const std::vector<QRect>& rects, std::vector<QRect>& out) {
    for (const QRect& r : rects) {
        if (r.height() <= kBandRows) {
            out.push_back(r);
            continue;
        }
        for (int y = r.top(); y <= r.bottom(); y += kBandRows)
            out.emplace_back(r.left(), y, r.width(), std::min(kBandRows, r.bottom() + 1 - y));
    }
}

std::vector<QRect> inBands(const QRect& rect) {
    std::vector<QRect> out;
    appendInBands({rect}, out);
    return out;
}

} // namespace talix::display
