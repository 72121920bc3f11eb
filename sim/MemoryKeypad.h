#pragma once

#include "sim/BoardSettings.h"
#include "sim/DabEnsemble.h"
#include "sim/FormSwitcher.h"
#include "sim/MemoryBank.h"
#include "sim/ReportQueue.h"
#include "sim/Tuner.h"

#include <cstdint>

namespace talix::sim {

// The memory form's keys and lines: digits build a direct entry (line 0), "MHz OK" and "kHz OK"
// tune to it, "OK" tunes to the memory line touched last, "Discover DAB" starts the DAB receiver;
// a line's number selects it, its "S" stores the tuned frequency there, its text fields tune to
// it.
class MemoryKeypad {
public:
    MemoryKeypad(BoardSettings& settings, ReportQueue& reports, MemoryBank& memory,
                 FormSwitcher& forms, Tuner& tuner, DabEnsemble& dab);

    // A button record while the memory form is shown.
    void key(uint8_t code, uint8_t high);
    // A touched memory line: its Tag and the zone touched.
    void line(uint8_t tag, uint8_t zone);

private:
    void recall(int tag);

    BoardSettings& m_settings;
    ReportQueue& m_reports;
    MemoryBank& m_memory;
    FormSwitcher& m_forms;
    Tuner& m_tuner;
    DabEnsemble& m_dab;
    int m_selected = 0; // the memory line touched last
};

} // namespace talix::sim
