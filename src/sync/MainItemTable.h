#pragma once

#include "base/BoardWords.h"
#include "sync/MainControl.h"

#include <cstdint>
#include <span>

namespace talix::sync {

// The number of value words that follow a main-window ValueWord for `item`, given the words that
// follow it in the block (items 47 and 59 read their size from the first of them). Items above
// 59 take one word. 64 bits: item 59's byte count may announce far more than any block holds.
uint64_t mainItemWords(int item, std::span<const uint32_t> following);

// The positions the main window's bars can take.
struct SliderRange {
    int min = 0;
    int max = 0;
};
SliderRange sliderRange(MainControl slider);

} // namespace talix::sync
