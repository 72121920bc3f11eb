#pragma once

#include "base/BoardWords.h"
#include "sim/ParamSender.h"

#include <functional>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace talix::sim {

// The board's pending reports, in the order they arose. An item value is encoded only when its
// block is built, so an item that changes several times before then goes out once, with its
// latest value; words that are events (field selections, showing and closing forms) go out
// exactly as queued.
class ReportQueue {
public:
    using Encoder = std::function<std::vector<uint32_t>(int form, int item)>;

    void item(int form, int item);
    void item(board::MainItem item) {
        this->item(board::number(board::Form::Main), board::number(item));
    }
    void item(board::SetupItem item) {
        this->item(board::number(board::Form::Setup), board::number(item));
    }
    void words(std::vector<uint32_t> group);
    void clear();
    bool empty() const { return m_entries.empty(); }

    // The next block: whole groups, at most kMaxBlockWords words.
    std::optional<ParamBlock> take(const Encoder& encode);

private:
    struct Entry {
        int form = -1; // -1: fixed words
        int item = 0;
        std::vector<uint32_t> words;
    };
    std::vector<Entry> m_entries;
    std::set<std::pair<int, int>> m_pendingItems;
};

} // namespace talix::sim
