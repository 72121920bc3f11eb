#pragma once

#include "sim/BoardSettings.h"

#include <cstdint>

namespace talix::sim {

// How the program changes a plain setting: the knob steps it on its readout, a slider or a list
// sets it by value, or it changes by a rule of its own (or only on the board).
enum class SettingInput { Own, Knob, Value };

// A setting the board holds as one member of BoardSettings and reports as it holds it.
struct PlainSetting {
    int item;                               // item of its form; Tag of its main-window readout
    int64_t (*get)(const BoardSettings&);   // its value
    void (*set)(BoardSettings&, int64_t);   // stores a value already within lo..hi
    uint32_t (*word)(const BoardSettings&); // its value word (negative values in their own width)
    SettingInput input;
    int step = 0;           // per knob unit
    int64_t lo = 0, hi = 0; // where the knob or a set value stops
    int alsoReports = -1;   // main-window item whose value follows this one

    // The value moved by knob units, or set from the program, kept within lo..hi.
    void stepBy(BoardSettings& s, int units) const;
    void setFrom(BoardSettings& s, uint32_t value) const;
};

// The row of a main-window item or Setup item held as a plain setting; nullptr for others.
const PlainSetting* mainSetting(int item);
const PlainSetting* setupSetting(int item);
// The same, only when the setting changes by that input.
const PlainSetting* mainSetting(int item, SettingInput input);
const PlainSetting* setupSetting(int item, SettingInput input);

} // namespace talix::sim
