#pragma once

#include <cstdint>

namespace talix::memory {

// The touch zones of a memory line, in pixels from the line's left edge: Line1, Line2 and Line3
// stand at these distances.
constexpr double kChannelZoneLeft = 130;
constexpr double kShortFieldLeft = 200;
constexpr double kLongFieldLeft = 320;

// What a touch at X on line `tag` (0-9) reports: the zone code and the line byte, which is the
// line's Tag for the number and "S" zones and 0 for the two text fields.
struct LineZone {
    uint8_t zone = 0;
    uint8_t lineByte = 0;
    bool operator==(const LineZone&) const = default;
};
LineZone lineZone(double x, int tag);

} // namespace talix::memory
