#pragma once

#include <cstdint>
#include <optional>

namespace talix::settings {

// One bar of the microphone equaliser and its echo flag (the bar's Tracking). The board's number
// n (0 to 63) shows as bar value 63 - n, and a bar at value x sends 63 - x.
//
// A report moves the bar when its bit 15 forces it, or when the board has just moved the bar and
// the report differs; otherwise a bar the user holds stays where the user put it. A move by the
// board clears the flag, so that the bar's own change event that follows is taken as the echo and
// not sent back; that event sets the flag again. (Qt raises it within the move itself, so the flag
// never waits for a paint to be set again.)
class EqualiserEcho {
public:
    static constexpr int kTop = 63;
    static constexpr uint32_t kForced = 1u << 15;

    // The board's report v for a bar now at `barValue`: the value the bar takes, or nothing.
    std::optional<int> reported(uint32_t v, int barValue);
    // The bar's value changed to `value`: the number to send, or nothing for an echo.
    std::optional<uint32_t> tracked(int value);
    bool tracking() const { return m_tracking; }

private:
    bool m_tracking = true;
};

} // namespace talix::settings
