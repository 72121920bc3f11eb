#include "display/AreaClip.h"

#include <algorithm>

namespace talix::display {

AreaClip::AreaClip(const QRegion& area, const QRect& panel)
    : m_buckets(std::size_t((panel.right() + kBucketColumns) / kBucketColumns)),
      m_whole(QRegion(panel).subtracted(area).isEmpty()) {
    for (const QRect& r : area) {
        const QRect inside = r & panel;
        if (inside.isEmpty())
            continue;
        m_rects.push_back(inside);
        for (int b = inside.left() / kBucketColumns; b <= inside.right() / kBucketColumns; ++b)
            m_buckets[std::size_t(b)].push_back(int(m_rects.size()) - 1);
    }
}

void AreaClip::append(const std::vector<QRect>& rects, std::vector<QRect>& out) const {
    if (m_whole) {
        out.insert(out.end(), rects.begin(), rects.end());
        return;
    }
    const int lastBucket = int(m_buckets.size()) - 1;
    for (const QRect& r : rects) {
        const int first = std::max(r.left() / kBucketColumns, 0);
        const int last = std::min(r.right() / kBucketColumns, lastBucket);
        for (int b = first; b <= last; ++b) {
            // Within one bucket's columns, so that a wide rectangle is not cut twice.
            const QRect inBucket = r & QRect(b * kBucketColumns, r.top(), kBucketColumns, r.height());
            for (int k : m_buckets[std::size_t(b)]) {
                const QRect piece = inBucket & m_rects[std::size_t(k)];
                if (!piece.isEmpty())
                    out.push_back(piece);
            }
        }
    }
}

} // namespace talix::display
