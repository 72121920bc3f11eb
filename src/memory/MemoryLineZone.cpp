#include "memory/MemoryLineZone.h"

#include "base/BoardWords.h"

namespace talix::memory {

LineZone lineZone(double x, int tag) {
    using board::MemoryZone;
    const auto line = uint8_t(tag);
    if (x < kChannelZoneLeft)
        return {uint8_t(MemoryZone::Number), line};
    if (x <= kShortFieldLeft)
        return {uint8_t(MemoryZone::Channel), line};
    if (x < kLongFieldLeft)
        return {uint8_t(MemoryZone::ShortField), 0};
    return {uint8_t(MemoryZone::LongField), 0};
}

} // namespace talix::memory
