#pragma once

#include <QRect>
#include <vector>

namespace talix::display {

// Qt's raster engine hands a fill or an image copy of 96 rows or more to its thread pool in parts
// and waits for them: on the handheld's two cores the hand-over costs more than the work it
// shares. Drawn in bands of at most kBandRows rows, the same pixels stay on the painting thread.
constexpr int kBandRows = 64;

// `rects` with every rectangle taller than kBandRows cut into bands of at most that many rows.
void appendInBands(const std::vector<QRect>& rects, std::vector<QRect>& out);
std::vector<QRect> inBands(const QRect& rect);

} // namespace talix::display
