#pragma once

#include "sim/BoardSettings.h"
#include "sim/DabEnsemble.h"
#include "sim/ReportQueue.h"
#include "sim/RotatorRelay.h"
#include "sim/SettingsForms.h"
#include "sim/Tuner.h"

#include <cstdint>

namespace talix::sim {

// The knob: two counts make one step, and a step goes to what is in front of the user (the
// rotator's dial when selected, the recorder's list, the Setup form's or a settings form's
// selected item, the DAB list) or else to the main window's selected field, or the frequency in
// tune mode.
class KnobEditor {
public:
    KnobEditor(BoardSettings& settings, ReportQueue& reports, Tuner& tuner, RotatorRelay& rotator,
               SettingsForms& forms, DabEnsemble& dab);

    // Knob counts, signed (clockwise positive).
    void turn(int counts);
    // A new connection starts with no half step pending.
    void reset() { m_remainder = 0; }

private:
    void editMainField(uint8_t field, int units);
    void editSetupItem(uint8_t item, int units);
    bool editSetupByRule(board::SetupItem item, int units);

    BoardSettings& m_settings;
    ReportQueue& m_reports;
    Tuner& m_tuner;
    RotatorRelay& m_rotator;
    SettingsForms& m_forms;
    DabEnsemble& m_dab;
    int m_remainder = 0;
};

} // namespace talix::sim
