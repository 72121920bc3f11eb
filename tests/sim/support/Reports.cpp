#include "sim/support/Reports.h"

#include "base/BoardWords.h"
#include "sim/support/SimClient.h"

namespace talix::simtest {

std::vector<Group> groupsOf(const std::vector<uint32_t>& blockWords) {
    std::vector<Group> groups;
    walkBlock(blockWords, [&](uint32_t w, const uint32_t* values, size_t count) {
        groups.push_back({w, std::vector<uint32_t>(values, values + count)});
    });
    return groups;
}

std::vector<Group> drainReports(sim::ReceiverModel& model) {
    std::vector<Group> all;
    while (auto block = model.takeBlock()) {
        const auto groups = groupsOf(*block);
        all.insert(all.end(), groups.begin(), groups.end());
    }
    return all;
}

std::optional<std::vector<uint32_t>> lastValue(const std::vector<Group>& groups, uint8_t item,
                                               uint32_t form) {
    std::optional<std::vector<uint32_t>> found;
    for (const auto& g : groups)
        if (g.id() == uint8_t(board::ParamId::ValueWord) && g.item() == item && g.form() == form &&
            (g.word >> 16) != uint32_t(board::Form::Rotator))
            found = g.values;
    return found;
}

bool hasWord(const std::vector<Group>& groups, uint32_t word) {
    for (const auto& g : groups)
        if (g.word == word)
            return true;
    return false;
}

} // namespace talix::simtest
