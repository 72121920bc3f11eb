#pragma once

#include "settings/FormItemEffect.h"
#include "sync/ReceiverState.h"

#include <QLocale>
#include <cstdint>
#include <optional>

namespace talix::settings {

// Applies the Microphone item `item` (1 to 9) with the value word v: stores the settings word that
// item 7 carries and returns the text of the item's edit. The bandwidth (item 8) follows the
// demodulator of `state`. Item 0, the equaliser's items 10 to 15 and items above change nothing
// here.
FormItemEffect applyMikeItem(int item, uint32_t v, sync::ReceiverState& state,
                             const QLocale& locale);

// Item 9 (highpass) also switches the equaliser: off disables its bars, any filter enables them.
// Nothing for other items.
std::optional<bool> equaliserEnabledBy(int item, uint32_t v);

} // namespace talix::settings
