#include "sim/ReportQueue.h"

namespace talix::sim {

void ReportQueue::item(int form, int item) {
    if (!m_pendingItems.insert({form, item}).second)
        return;
    m_entries.push_back({form, item, {}});
}

void ReportQueue::words(std::vector<uint32_t> group) {
    if (!group.empty())
        m_entries.push_back({-1, 0, std::move(group)});
}

void ReportQueue::clear() {
    m_entries.clear();
    m_pendingItems.clear();
}

std::optional<ParamBlock> ReportQueue::take(const Encoder& encode) {
    ParamBlock block;
    size_t used = 0;
    while (used < m_entries.size()) {
        Entry& e = m_entries[used];
        if (e.form >= 0) {
            e.words = encode(e.form, e.item);
            m_pendingItems.erase({e.form, e.item});
            e.form = -1;
        }
        if (!block.empty() && block.size() + e.words.size() > kMaxBlockWords)
            break;
        if (e.words.size() <= kMaxBlockWords)
            block.insert(block.end(), e.words.begin(), e.words.end());
        ++used;
    }
    m_entries.erase(m_entries.begin(), m_entries.begin() + long(used));
    if (block.empty())
        return std::nullopt;
    return block;
}

} // namespace talix::sim
