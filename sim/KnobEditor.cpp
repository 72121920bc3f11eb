#include "sim/KnobEditor.h"

#include "sim/ParamWords.h"
#include "sim/PlainSettings.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace talix::sim {

using board::Field;
using board::Form;
using board::MainItem;
using board::number;
using board::SetupItem;

namespace {

// Walks a list of allowed values from the entry nearest to `value`.
template <typename T, typename List> T stepList(T value, int units, const List& list) {
    if (list.empty())
        return value;
    size_t at = 0;
    for (size_t i = 0; i < list.size(); ++i)
        if (std::abs(int64_t(list[i]) - int64_t(value)) <
            std::abs(int64_t(list[at]) - int64_t(value)))
            at = i;
    const auto next = std::clamp<int64_t>(int64_t(at) + units, 0, int64_t(list.size()) - 1);
    return T(list[size_t(next)]);
}

// A bit field of a word moved by units, kept within lo..hi.
uint32_t stepBitField(uint32_t word, int shift, uint32_t mask, int units, int lo, int hi) {
    const int value = std::clamp(int(word >> shift & mask) + units, lo, hi);
    return (word & ~(mask << shift)) | uint32_t(value) << shift;
}

constexpr std::array<uint32_t, 10> kBinCodes{1, 2, 4, 8, 20, 40, 100, 200, 400, 1000};
constexpr std::array<uint8_t, 7> kDbPerDiv{1, 2, 3, 5, 10, 15, 20};
constexpr std::array<uint8_t, 4> kAudioResolutions{2, 4, 8, 16};
constexpr std::array<uint8_t, 3> kDeemphasis{0, 2, 3};

int64_t power10(uint32_t digit) {
    int64_t p = 1;
    for (uint32_t i = 0; i < digit; ++i)
        p *= 10;
    return p;
}

} // namespace

KnobEditor::KnobEditor(BoardSettings& settings, ReportQueue& reports, Tuner& tuner,
                       RotatorRelay& rotator, SettingsForms& forms, DabEnsemble& dab)
    : m_settings(settings), m_reports(reports), m_tuner(tuner), m_rotator(rotator), m_forms(forms),
      m_dab(dab) {}

void KnobEditor::turn(int counts) {
    const BoardSettings& s = m_settings;
    // Two counts make one step of the selected value; odd counts from drags carry over.
    const int total = m_remainder + counts;
    const int units = total / 2;
    m_remainder = total - 2 * units;
    if (units == 0 || m_rotator.turnByKnob(units))
        return;
    if (s.shownForm == number(Form::Recorder)) {
        // The recorder's list scrolls a line a step: anticlockwise up (not 0), clockwise down (0).
        for (int i = 0; i < std::abs(units); ++i)
            m_reports.words({valueWord(0, number(Form::Recorder)), units < 0 ? 1u : 0u});
        return;
    }
    if (s.shownForm == number(Form::Setup)) {
        editSetupItem(s.setupSelected, units);
        return;
    }
    if (s.shownForm == 0 && m_dab.active()) {
        m_dab.scroll(units, m_reports);
        return;
    }
    if (SettingsForms::owns(s.shownForm)) {
        m_forms.edit(s.shownForm, units);
        return;
    }
    if (s.shownForm != 0 && s.shownForm != number(Form::Undo) &&
        s.shownForm != number(Form::Memory))
        return; // forms whose settings this board does not keep
    editMainField(s.tuneMode ? 0 : s.selectedField, units);
}

void KnobEditor::editMainField(uint8_t field, int units) {
    BoardSettings& s = m_settings;
    if (const PlainSetting* row = mainSetting(field, SettingInput::Knob)) {
        row->stepBy(s, units);
        if (row->alsoReports >= 0)
            m_reports.item(number(Form::Main), row->alsoReports);
        m_reports.item(number(Form::Main), field);
        return;
    }
    switch (Field(field)) {
    case Field::EFreq1:
        m_tuner.tuneTo(s.tunedFreq + units * s.tuneStep, false);
        return;
    case Field::EFreq2:
        s.txFreq = std::clamp<int64_t>(s.txFreq + units * s.tuneStep, 100, 1'560'000'000);
        m_reports.item(MainItem::TxFreq);
        m_reports.item(MainItem::TxColour);
        return;
    case Field::EDemod: {
        const auto& cycle = modeCycle();
        const auto at = std::find(cycle.begin(), cycle.end(), s.mode) - cycle.begin();
        const auto n = int64_t(cycle.size());
        m_tuner.setMode(cycle[size_t(((at + units) % n + n) % n)]);
        return;
    }
    case Field::EBW:
        m_tuner.keepBandwidth(stepList(s.bandwidth, units, bandwidthSteps(s.mode, s.fullFmList)));
        m_tuner.reportPassband();
        break;
    case Field::ENotchP:
        if (s.settingsWord >> 28 & 1)
            s.autoNotch = uint8_t(std::clamp(s.autoNotch + units, 0, 255));
        else
            s.notchPos = int16_t(std::clamp(s.notchPos + units * 10, -19990, 19990));
        m_tuner.reportPassband();
        break;
    case Field::EReso:
    case Field::EResoD:
        s.binCode = stepList(s.binCode, units, kBinCodes);
        m_reports.item(MainItem::BinCode);
        m_reports.item(MainItem::TunedFreq); // the spectrum's left edge moves
        m_tuner.reportPassband();
        return;
    case Field::ESpan:
    case Field::ELBot:
        s.dbPerDiv = stepList(s.dbPerDiv, units, kDbPerDiv);
        m_reports.item(MainItem::DbPerDiv);
        return;
    case Field::ERefresh:
        // Averaging: the exponent of the average; otherwise the hold time in 25 ms.
        if ((s.spectrumMode - 1) % 4 == 1)
            s.refreshTime = uint16_t(stepBitField(s.refreshTime, 9, 31, units, 0, 7));
        else
            s.refreshTime = uint16_t(stepBitField(s.refreshTime, 0, 0x1FF, 4 * units, 4, 396));
        break;
    case Field::EStepsRX:
        s.tuneStep = std::clamp<int64_t>(s.tuneStep + units * power10(s.tuneDigit), 1, 10'000'000);
        break;
    default:
        return;
    }
    m_reports.item(number(Form::Main), field);
}

void KnobEditor::editSetupItem(uint8_t item, int units) {
    if (const PlainSetting* row = setupSetting(item, SettingInput::Knob))
        row->stepBy(m_settings, units);
    else if (!editSetupByRule(SetupItem(item), units))
        return;
    m_reports.item(number(Form::Setup), item);
}

// The Setup items with a rule of their own: bits of the receiver flags or the settings word, the
// impedance's toggle, the audio resolution's list; false for any other item.
bool KnobEditor::editSetupByRule(SetupItem item, int units) {
    BoardSettings& s = m_settings;
    switch (item) {
    case SetupItem::LevelUnits:
        s.flags ^= 0x10; // level units
        break;
    case SetupItem::GainControl:
        s.flags ^= uint8_t(1u << (s.gainCtrlIndex & 7)); // automatic gain
        m_reports.item(MainItem::AgcLimit);
        break;
    case SetupItem::Deemphasis: {
        const uint8_t d = stepList(uint8_t(s.flags >> 6), units, kDeemphasis);
        s.flags = uint8_t((s.flags & 0x3F) | d << 6);
        break;
    }
    case SetupItem::Impedance:
        s.impedance = uint8_t(s.impedance == 2 ? 4 : 2); // 50 Ohm / 4 kOhm
        break;
    case SetupItem::AudioResolution:
        s.audioResolution = stepList(s.audioResolution, units, kAudioResolutions);
        break;
    case SetupItem::FrequencyAutoActive: // seconds
        s.settingsWord = stepBitField(s.settingsWord, 4, 15, units, 0, 15);
        break;
    case SetupItem::DisplayRate: // divider
        s.settingsWord = stepBitField(s.settingsWord, 29, 3, units, 0, 3);
        break;
    case SetupItem::SpectrumPriority:
        s.settingsWord ^= 1u << 31;
        break;
    default:
        return false;
    }
    return true;
}

} // namespace talix::sim
