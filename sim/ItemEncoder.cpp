#include "sim/ItemEncoder.h"

#include "sim/ParamWords.h"
#include "sim/PlainSettings.h"
#include "sim/SpectrumSynth.h"

#include <algorithm>
#include <cmath>

namespace talix::sim {

using board::Form;
using board::MainItem;
using board::number;

namespace {

// Items whose readouts have a tenths format: the board asks for it, since their values are in
// tenths (0.1 Hz, 0.1 ms, 0.1 s, 0.1 dB/s).
bool tenthsItem(int item) {
    for (const MainItem tenths : {MainItem::TunedFreq, MainItem::NbDuration, MainItem::AgcHold,
                                  MainItem::AgcAttack, MainItem::TxFreq, MainItem::TuneStep})
        if (item == number(tenths))
            return true;
    return false;
}

// The amateur bands, Hz: outside them the transmit frequency shows in its warning colour.
struct Band {
    int64_t lowHz, highHz;
};
constexpr Band kAmateurBands[] = {
    {1'810'000, 2'000'000},   {3'500'000, 3'800'000},     {7'000'000, 7'200'000},
    {10'100'000, 10'150'000}, {14'000'000, 14'350'000},   {18'068'000, 18'168'000},
    {21'000'000, 21'450'000}, {24'890'000, 24'990'000},   {28'000'000, 29'700'000},
    {50'000'000, 52'000'000}, {144'000'000, 146'000'000},
};

bool amateurBand(int64_t hz) {
    return std::any_of(std::begin(kAmateurBands), std::end(kAmateurBands),
                       [hz](const Band& b) { return hz >= b.lowHz && hz <= b.highHz; });
}

uint32_t pair16(int lo, int hi) {
    return (uint32_t(lo) & 0xFFFF) | (uint32_t(hi) & 0xFFFF) << 16;
}

} // namespace

std::vector<uint32_t> ItemEncoder::encode(int form, int item) const {
    if (form == number(Form::Main))
        return mainItem(item);
    if (form == number(Form::Setup))
        return setupItem(item);
    if (form == number(Form::Undo)) {
        const auto count = uint32_t(m_settings.undo.size());
        // "available" / "empty"
        return {valueWord(0, number(Form::Undo)), count | (count > 0 ? 1u : 2u) << 8};
    }
    if (SettingsForms::owns(form))
        return m_settingsForms.encode(form, item);
    return {};
}

std::vector<uint32_t> ItemEncoder::mainItem(int item) const {
    if (item < 0 || item >= board::kMainItems)
        return {};
    const BoardSettings& s = m_settings;
    const uint32_t w = valueWord(uint32_t(item), number(Form::Main), tenthsItem(item));
    if (const PlainSetting* row = mainSetting(item))
        return {w, row->word(s)};
    switch (MainItem(item)) {
    case MainItem::TunedFreq: {
        const auto left = s.tunedFreq - int64_t(std::llround(512 * s.binHz() * 10));
        return {w, uint32_t(s.tunedFreq), uint32_t(left), uint32_t(s.tunedFreq)};
    }
    case MainItem::NotchPos:
        return {w, s.settingsWord >> 28 & 1 ? uint32_t(s.autoNotch) : uint16_t(s.notchPos)};
    case MainItem::ModLevel:
        return {w, s.tuneMode ? 50u : 0u};
    case MainItem::GainCtrlIndex:
        return {w, uint32_t(s.gainCtrlIndex) | uint32_t(s.notchIndex) << 8};
    case MainItem::Passband:
        return passband(w);
    case MainItem::TxColour:
        // 2 while transmitting, 1 outside the amateur bands.
        return {w, s.tuneMode ? 2u : amateurBand(s.txFreq / 10) ? 0u : 1u};
    case MainItem::Arrow:
        return {w, 0};
    case MainItem::UndoCount:
        return {w, uint32_t(s.undo.size())};
    case MainItem::NoiseBlanker:
        return {w, s.nbLevel > 0 ? 1u : 0u};
    default:
        break;
    }
    for (const ItemSource* source : m_sources)
        if (std::vector<uint32_t> words = source->encode(MainItem(item), w); !words.empty())
            return words;
    return {}; // not reported (29-31, 37, 38, 54, 58, 59)
}

// The passband's first and last spectrum bins and the notch's, each a pair of 16-bit bins, and
// the spectrum filter.
std::vector<uint32_t> ItemEncoder::passband(uint32_t w) const {
    const BoardSettings& s = m_settings;
    const SpectrumGeometry g{s.tunedHz(), s.binHz()};
    const Passband pb = passbandOf(s.mode, s.tunedHz(), bandwidthHz(s.mode, s.bandwidth), s.shift);
    const int lo = g.passbandLo(pb.lowHz);
    const int hi = std::max(lo, g.passbandHi(pb.highHz));
    // The notch sits on the passband's side of the carrier.
    const double side = demodOf(s.mode, s.tunedHz()) == Demod::Lsb ? -1 : 1;
    const double centre = side * s.notchPos;
    const int mlo = g.passbandLo(centre - s.notchWidth / 2.0);
    const int mhi = std::max(mlo, g.passbandHi(centre + s.notchWidth / 2.0));
    return {w, pair16(lo - 1, hi - 1), pair16(mlo - 1, mhi - 1), s.spectrumMode};
}

std::vector<uint32_t> ItemEncoder::setupItem(int item) const {
    const PlainSetting* row = setupSetting(item);
    if (row == nullptr)
        return {};
    return {valueWord(uint32_t(item), number(Form::Setup)), row->word(m_settings)};
}

} // namespace talix::sim
