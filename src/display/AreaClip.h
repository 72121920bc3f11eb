#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

namespace talix::display {

// Splits the repainted area of a panel into parts that are painted one at a time, each under a
// plain rectangular clip. Under a clip of many rectangles Qt's raster engine blends every image
// and fill span by span instead of copying it; under a single rectangle it copies. The parts are
// the area's extent within each band of kPartColumns columns (the whole panel when the area
// covers it), and the rectangles to draw are cut into the parts they reach.
class AreaClip {
public:
    static constexpr int kPartColumns = 64;

    AreaClip(const QRegion& area, const QRect& panel);

    bool whole() const { return m_whole; }
    const std::vector<QRect>& parts() const { return m_parts; }
    // For each part, the pieces of the disjoint `rects` inside it; `perPart` is resized to the
    // number of parts and its lists are cleared first.
    void distribute(const std::vector<QRect>& rects, std::vector<std::vector<QRect>>& perPart) const;

private:
    std::vector<QRect> m_parts;
    std::vector<int> m_partOfBand; // per band of columns: its part, or -1
    bool m_whole;
};

} // namespace talix::display
