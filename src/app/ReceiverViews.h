#pragma once

#include "display/readouts/ReadoutState.h"
#include "display/spectrum/SpectrumSettings.h"
#include "sync/ReceiverState.h"

namespace talix::app {

// What the readouts and the spectrum read of the receiver state, taken when they draw.
display::ReadoutState readoutStateOf(const sync::ReceiverState& s);
display::SpectrumSettings spectrumSettingsOf(const sync::ReceiverState& s);

} // namespace talix::app
