#include "settings/EqualiserEcho.h"

#include <algorithm>

namespace talix::settings {

std::optional<int> EqualiserEcho::reported(uint32_t v, int barValue) {
    const int t = kTop - int(v & 63);
    const bool forced = (v & kForced) != 0;
    if (!forced && (m_tracking || barValue == t))
        return std::nullopt;
    // A bar already at t raises no change event, so no echo is awaited for it.
    m_tracking = barValue == t;
    return t;
}

std::optional<uint32_t> EqualiserEcho::tracked(int value) {
    if (!m_tracking) {
        m_tracking = true;
        return std::nullopt;
    }
    return uint32_t(kTop - std::clamp(value, 0, kTop));
}

} // namespace talix::settings
