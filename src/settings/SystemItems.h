#pragma once

#include "settings/AccessorySerial.h"
#include "settings/FormItemEffect.h"
#include "sync/ReceiverState.h"

#include <QLocale>
#include <cstdint>

namespace talix::settings {

// Applies the System item `item` with the value word v: stores the settings word that items 11
// to 15 carry and the accessory serial number of item 17, and returns what changes on screen (the
// item's edit, the FM deviation caption, the main window's GPS labels). The deviation follows the
// demodulator and the PEP the transmit frequency of `state`. An item of 18 or above changes
// nothing.
FormItemEffect applySystemItem(int item, uint32_t v, sync::ReceiverState& state,
                               AccessorySerial& serial, const QLocale& locale);

// The PEP correction in tenths of a dB for a transmit frequency in units of 0.1 Hz.
int pepCorrection(int32_t txFreq);

} // namespace talix::settings
