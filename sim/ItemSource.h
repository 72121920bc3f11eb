#pragma once

#include "base/BoardWords.h"

#include <cstdint>
#include <vector>

namespace talix::sim {

// A part of the board that measures or relays something and reports it in main-window items of
// its own (the meter, the GPS receiver, RDS, the rotator).
class ItemSource {
public:
    virtual ~ItemSource() = default;
    // The item's words after its ValueWord w; nothing for an item that is not its own or that it
    // does not report now.
    virtual std::vector<uint32_t> encode(board::MainItem item, uint32_t w) const = 0;
};

} // namespace talix::sim
