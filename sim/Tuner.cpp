#include "sim/Tuner.h"

#include "base/TunableBands.h"
#include "sim/ParamWords.h"

#include <algorithm>

namespace talix::sim {

using board::Field;
using board::Form;
using board::MainItem;
using board::number;

namespace {
constexpr size_t kUndoDepth = 20;
} // namespace

Tuner::Tuner(BoardSettings& settings, ReportQueue& reports, const BandPlan& plan, DabEnsemble& dab)
    : m_settings(settings), m_reports(reports), m_plan(plan), m_dab(dab) {}

void Tuner::tuneTo(int64_t freq, bool remember) {
    BoardSettings& s = m_settings;
    freq = std::clamp<int64_t>(freq, 100, 1'560'000'000);
    m_dab.stop(m_reports); // a frequency of its own leaves DAB
    if (freq == s.tunedFreq)
        return;
    if (remember) {
        s.undo.push_back(s.tunedFreq);
        if (s.undo.size() > kUndoDepth)
            s.undo.erase(s.undo.begin());
        m_reports.item(MainItem::UndoCount);
    }
    s.tunedFreq = freq;
    reportTuning();
}

// The coverage the program accepts for tap-to-tune.
void Tuner::tuneToOffered(int64_t freq) {
    if (freq > 0 && board::inTunableBand(freq))
        tuneTo(freq, true);
}

// A new receive frequency: the transmitter follows unless it is locked.
void Tuner::reportTuning() {
    BoardSettings& s = m_settings;
    m_reports.item(MainItem::TunedFreq);
    if (!(s.lockWord >> 29 & 1) && s.txFreq != s.tunedFreq) {
        s.txFreq = s.tunedFreq;
        m_reports.item(MainItem::TxFreq);
        m_reports.item(MainItem::TxColour);
    }
    reportPassband(); // SBCW changes sides at 10 MHz
}

void Tuner::undoTuning() {
    BoardSettings& s = m_settings;
    if (s.undo.empty())
        return;
    const int64_t back = s.undo.back();
    s.undo.pop_back();
    tuneTo(back, false);
    m_reports.item(MainItem::UndoCount);
    m_reports.item(number(Form::Undo), 0);
}

void Tuner::setMode(uint8_t mode) {
    BoardSettings& s = m_settings;
    s.mode = mode;
    const auto it = s.bandwidthByMode.find(mode);
    s.bandwidth = it != s.bandwidthByMode.end() ? it->second : defaultBandwidth(mode);
    m_reports.item(MainItem::ModeIndex);
    m_reports.item(MainItem::Bandwidth);
    reportPassband();
}

void Tuner::keepBandwidth(uint16_t bandwidth) {
    m_settings.bandwidth = bandwidth;
    m_settings.bandwidthByMode[m_settings.mode] = bandwidth;
}

void Tuner::setTuneMode(bool on) {
    BoardSettings& s = m_settings;
    s.tuneMode = on;
    if (on)
        s.selectedField = 0;
    m_reports.words({fieldSelectWord(on ? number(Field::FrequencyEntry) : s.selectedField,
                                     number(Form::Main))});
    m_reports.item(MainItem::ModLevel);
    m_reports.item(MainItem::TxColour);
}

void Tuner::zeroBeat() {
    BoardSettings& s = m_settings;
    const uint8_t field = s.tuneMode ? 0 : s.selectedField;
    switch (Field(field)) {
    case Field::EFreq1:
    case Field::EFreq2: {
        const double half = std::max(500.0, bandwidthHz(s.mode, s.bandwidth) / 2);
        const int found = m_plan.strongestNear(s.tunedHz(), int64_t(half));
        if (found >= 0)
            tuneTo(m_plan.stations()[size_t(found)].freqHz * 10, true);
        return;
    }
    case Field::EShift:
        s.shift = 0;
        break;
    case Field::ENotchP:
        s.notchPos = 0;
        break;
    case Field::ELTop:
        s.topLevel = 125;
        break;
    default:
        return;
    }
    m_reports.item(number(Form::Main), field);
    reportPassband();
}

} // namespace talix::sim
