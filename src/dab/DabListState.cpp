#include "dab/DabListState.h"

#include <algorithm>

namespace talix::dab {

void DabListState::reset() {
    m_top = 0;
    m_selected = 0;
}

void DabListState::scrollRow(bool down) {
    if (down && m_top < kLargestTopIndex)
        ++m_top;
    else if (!down && m_top > 0)
        --m_top;
}

void DabListState::selectProgramme(int n) {
    if (n < 1 || n > kServices)
        return;
    m_selected = n - 1;
    if (m_selected > m_top + kVisibleRows - 1)
        m_top = m_selected - (kVisibleRows - 1);
    else if (m_selected < m_top)
        m_top = m_selected;
}

void DabListState::select(int index) {
    if (index >= 0 && index < kServices)
        m_selected = index;
}

std::optional<int> DabListState::frameY() const {
    if (m_selected < m_top || m_selected > m_top + kVisibleRows - 1)
        return std::nullopt;
    return (m_selected - m_top) * kRowHeight + (kCellsTop - 2);
}

} // namespace talix::dab
