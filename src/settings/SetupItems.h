#pragma once

#include "base/BoardWords.h"
#include "settings/FormItemEffect.h"
#include "sync/ReceiverState.h"

#include <QLocale>
#include <QString>
#include <cstdint>

namespace talix::settings {

// What the Setup items read besides their value.
struct SetupItemInputs {
    QString levelUnitText; // the text Edit1 (level units) shows now
    QLocale locale;        // decimal separator of item 4
};

// Applies the Setup item `item` with the value word v: stores the shared settings the item carries
// (ReceiverFlags, SettingsWord, AudioResolution, LoudspeakerMode, TouchAction) in `state` and
// returns what changes on screen. Each item decodes only its own bits. An item of 14 or above, and
// a code outside an item's table, change nothing.
FormItemEffect applySetupItem(int item, uint32_t v, sync::ReceiverState& state,
                              const SetupItemInputs& in);

// The level unit the flags byte selects: "dBµV" with bit 4, else "dBm".
QString levelUnitText(uint8_t receiverFlags);

// Whether the flags byte has the gain control on automatic (the bit numbered gainCtrlIndex).
bool gainAutomatic(uint8_t receiverFlags, uint8_t gainCtrlIndex);

} // namespace talix::settings
