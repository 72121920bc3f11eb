#pragma once

#include "sim/ReceiverModel.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace talix::simtest {

// A group of the parameter stream: an id word and the value words that belong to it.
struct Group {
    uint32_t word = 0;
    std::vector<uint32_t> values;

    uint8_t id() const { return uint8_t(word); }
    uint8_t item() const { return uint8_t(word >> 8); }
    uint32_t form() const { return word >> 16 & 0xFF; }
};

// Every group the model has pending, taken block by block as the board would send them.
std::vector<Group> drainReports(sim::ReceiverModel& model);
std::vector<Group> groupsOf(const std::vector<uint32_t>& blockWords);

// The value words of the last ValueWord for (item, form), if any.
std::optional<std::vector<uint32_t>> lastValue(const std::vector<Group>& groups, uint8_t item,
                                               uint32_t form = 0);
bool hasWord(const std::vector<Group>& groups, uint32_t word);

} // namespace talix::simtest
