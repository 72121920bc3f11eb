#include "display/AreaClip.h"

#include <algorithm>

namespace talix::display {

AreaClip::AreaClip(const QRegion& area, const QRect& panel)
    : m_partOfBand(std::size_t((panel.right() + kPartColumns) / kPartColumns), -1),
      m_whole(QRegion(panel).subtracted(area).isEmpty()) {
    if (m_whole) {
        m_parts.push_back(panel);
        std::fill(m_partOfBand.begin(), m_partOfBand.end(), 0);
        return;
    }
    for (std::size_t b = 0; b < m_partOfBand.size(); ++b) {
        const QRect band(int(b) * kPartColumns, panel.top(), kPartColumns, panel.height());
        const QRect extent = (area & (band & panel)).boundingRect();
        if (extent.isEmpty())
            continue;
        m_partOfBand[b] = int(m_parts.size());
        m_parts.push_back(extent);
    }
}

void AreaClip::distribute(const std::vector<QRect>& rects,
                          std::vector<std::vector<QRect>>& perPart) const {
    perPart.resize(m_parts.size());
    for (auto& list : perPart)
        list.clear();
    if (m_whole) {
        perPart[0] = rects;
        return;
    }
    const int lastBand = int(m_partOfBand.size()) - 1;
    for (const QRect& r : rects) {
        const int first = std::max(r.left() / kPartColumns, 0);
        const int last = std::min(r.right() / kPartColumns, lastBand);
        for (int b = first; b <= last; ++b) {
            const int part = m_partOfBand[std::size_t(b)];
            if (part < 0)
                continue;
            const QRect piece = r & m_parts[std::size_t(part)];
            if (!piece.isEmpty())
                perPart[std::size_t(part)].push_back(piece);
        }
    }
}

} // namespace talix::display
