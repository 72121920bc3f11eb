#pragma once

#include "settings/FormItemEffect.h"
#include "sync/ReceiverState.h"

#include <cstdint>

namespace talix::settings {

// SettingsWord bit 31: spectrum priority high, with which the grid follows the passband.
constexpr uint32_t kSpectrumPriorityHigh = 1u << 31;

// Stores a SettingsWord that a settings item reported whole. The spectrum grid is placed by the
// priority bit, so a change of that bit rebuilds the grid.
inline void storeSettingsWord(sync::ReceiverState& state, uint32_t v, FormItemEffect& e) {
    if ((state.SettingsWord ^ v) & kSpectrumPriorityHigh)
        e.rebuildGrid = true;
    state.SettingsWord = v;
}

} // namespace talix::settings
