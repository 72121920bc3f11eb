#pragma once

#include "base/BoardWords.h"
#include "link/CommandPort.h"

#include <cstdint>

namespace talix::link {

// Builders for the commands of the catalogue. Arguments are whole numbers as the controls hold
// them; each byte field takes the low 8 bits (a Tag of 300 is sent as 44).
namespace commands {

inline uint8_t low(int v) {
    return uint8_t(v & 0xFF);
}
inline uint8_t kind(board::Record r) {
    return uint8_t(r);
}

// 1, Tag low, Tag high: a button was pressed.
inline Command button(int tag) {
    return {kind(board::Record::Button), low(tag), low(tag >> 8)};
}
// 2, step: a relative tuning step (signed).
inline Command knobStep(int step) {
    return {kind(board::Record::KnobStep), low(step)};
}
// 8: the WiFi form's Set button.
inline Command wifiSet() {
    return {kind(board::Record::WiFiSet)};
}
// 13, 0, seq (24 bits): acknowledges a complete parameter block.
inline Command acknowledge(uint32_t seq) {
    return {kind(board::Record::Acknowledge), 0, low(int(seq)), low(int(seq >> 8)),
            low(int(seq >> 16))};
}
inline Command greeting() {
    return {kind(board::Record::Greeting)};
}
// 23, 178, byte / 23, 179, 16-bit value.
inline Command setting178(int value) {
    return {kind(board::Record::Setting), uint8_t(board::Setting::ExternalAntenna), low(value)};
}
inline Command setting179(int value) {
    return {kind(board::Record::Setting), uint8_t(board::Setting::AccessorySerial), low(value),
            low(value >> 8)};
}
// 192, Tag, form, max length: an entry field was touched.
inline Command fieldSelect(int tag, int form, int maxLength) {
    return {kind(board::Record::FieldSelect), low(tag), low(form), low(maxLength)};
}
// 192, 0 or 1, 16: the rotator dial touched (1) or left (0).
inline Command rotatorSelect(bool dial) {
    return {kind(board::Record::FieldSelect), uint8_t(dial ? 1 : 0),
            low(board::number(board::Form::Rotator))};
}
// 192, 0, 16: the memory or DAB form became the active form.
inline Command formActivated() {
    return {kind(board::Record::FieldSelect), 0, low(board::kActivatedForm)};
}
// 192, Tag, 5, 0, 1, zone, Tag or 0: a memory entry field.
inline Command memoryFieldSelect(int tag, int zone, int tagOrZero) {
    return {kind(board::Record::FieldSelect),
            low(tag),
            low(board::number(board::Form::Memory)),
            0,
            1,
            low(zone),
            low(tagOrZero)};
}
// 245, item, form, value (32-bit): set a value.
inline Command setValue(int item, int form, uint32_t value) {
    return {kind(board::Record::SetValue),
            low(item),
            low(form),
            uint8_t(value),
            uint8_t(value >> 8),
            uint8_t(value >> 16),
            uint8_t(value >> 24)};
}
// 245, item, 0, value: a value of the main window.
inline Command setMainValue(board::MainItem item, uint32_t value) {
    return setValue(board::number(item), board::number(board::Form::Main), value);
}
// A tap on the spectrum: tune to f, in 0.1 Hz.
inline Command tuneTo(uint32_t f) {
    return setMainValue(board::MainItem::TunedFreq, f);
}
// A mode chosen from the modulation list.
inline Command modeChoice(int modeIndex) {
    return setMainValue(board::MainItem::ModeIndex, uint32_t(modeIndex));
}
// 245, list index, 15: a DAB programme chosen.
inline Command dabChoice(int index) {
    return {kind(board::Record::SetValue), low(index), low(board::number(board::Form::DAB))};
}

inline Command concat(Command a, const Command& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace commands
} // namespace talix::link
