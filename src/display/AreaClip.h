#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

namespace talix::display {

// Cuts lists of disjoint rectangles to an area of a few rectangles (a repainted part of a panel),
// keeping the pieces disjoint. The area's rectangles are sorted into column buckets, so that each
// of a trace's thousands of narrow rectangles is tried against the few that can reach it.
class AreaClip {
public:
    AreaClip(const QRegion& area, const QRect& panel);

    // Whether the area is the whole panel: nothing needs cutting.
    bool whole() const { return m_whole; }
    const std::vector<QRect>& rects() const { return m_rects; }
    // Appends the parts of `rects` inside the area to `out`.
    void append(const std::vector<QRect>& rects, std::vector<QRect>& out) const;

private:
    static constexpr int kBucketColumns = 64;

    std::vector<QRect> m_rects;
    std::vector<std::vector<int>> m_buckets; // the area's rectangles that reach into each bucket
    bool m_whole;
};

} // namespace talix::display
