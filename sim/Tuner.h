#pragma once

#include "sim/BandPlan.h"
#include "sim/BoardSettings.h"
#include "sim/DabEnsemble.h"
#include "sim/ReportQueue.h"

#include <cstdint>

namespace talix::sim {

// Tuning with the reports it needs: the receive frequency (remembered for undo, the transmitter
// following unless locked), the mode with the bandwidth it had last, tune mode, "-> Zero", and
// the passband that follows them.
class Tuner {
public:
    Tuner(BoardSettings& settings, ReportQueue& reports, const BandPlan& plan, DabEnsemble& dab);

    // Frequencies in 0.1 Hz. `remember` keeps the frequency left for undo.
    void tuneTo(int64_t freq, bool remember);
    // A frequency the program sends (tap-to-tune, the keypad): ignored outside the coverage.
    void tuneToOffered(int64_t freq);
    void undoTuning();
    void setMode(uint8_t mode);
    // A bandwidth the pick-list or the knob chose; remembered for the mode.
    void keepBandwidth(uint16_t bandwidth);
    void setTuneMode(bool on);
    // "-> Zero": on a frequency, tune onto the strongest carrier nearby; elsewhere, back to the
    // field's neutral value.
    void zeroBeat();
    void reportPassband() { m_reports.item(board::MainItem::Passband); }

private:
    void reportTuning();

    BoardSettings& m_settings;
    ReportQueue& m_reports;
    const BandPlan& m_plan;
    DabEnsemble& m_dab;
};

} // namespace talix::sim
