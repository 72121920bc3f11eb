// Knob and wheel steps on the field the board has selected.
#include "sim/ParamWords.h"
#include "sim/ReceiverModel.h"

#include <algorithm>
#include <array>

namespace talix::sim {

using board::Field;
using board::Form;
using board::MainItem;
using board::number;
using board::SetupItem;

namespace {

template <typename T> T stepWithin(T value, int units, int step, int lo, int hi) {
    return T(std::clamp(int(value) + units * step, lo, hi));
}

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

void ReceiverModel::editMainField(uint8_t field, int units) {
    BoardSettings& s = m_state;
    switch (Field(field)) {
    case Field::EFreq1:
        tuneTo(s.tunedFreq + units * s.tuneStep, false);
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
        setMode(cycle[size_t(((at + units) % n + n) % n)]);
        return;
    }
    case Field::EBW:
        s.bandwidth = stepList(s.bandwidth, units, bandwidthSteps(s.mode, s.fullFmList));
        s.bandwidthByMode[s.mode] = s.bandwidth;
        reportPassband();
        break;
    case Field::EShift:
        s.shift = stepWithin(s.shift, units, 10, -3000, 3000);
        reportPassband();
        break;
    case Field::ENotchW:
        s.notchWidth = stepWithin(s.notchWidth, units, 10, 0, 2000);
        reportPassband();
        break;
    case Field::ENotchP:
        if (s.settingsWord >> 28 & 1)
            s.autoNotch = stepWithin(s.autoNotch, units, 1, 0, 255);
        else
            s.notchPos = stepWithin(s.notchPos, units, 10, -19990, 19990);
        reportPassband();
        break;
    case Field::EAGCL:
        s.agcLimit = stepWithin(s.agcLimit, units, 2, 0, 400);
        break;
    case Field::EThresh:
        s.threshold = stepWithin(s.threshold, units, 2, 0, 400);
        break;
    case Field::EDNR:
        s.dnr = stepWithin(s.dnr, units, 1, 0, 15);
        break;
    case Field::EReso:
    case Field::EResoD:
        s.binCode = stepList(s.binCode, units, kBinCodes);
        m_reports.item(MainItem::BinCode);
        m_reports.item(MainItem::TunedFreq); // the spectrum's left edge moves
        reportPassband();
        return;
    case Field::ELTop:
        s.topLevel = stepWithin(s.topLevel, units, 1, 0, 255);
        break;
    case Field::ESpan:
    case Field::ELBot:
        s.dbPerDiv = stepList(s.dbPerDiv, units, kDbPerDiv);
        m_reports.item(MainItem::DbPerDiv);
        return;
    case Field::ERefresh:
        if ((s.spectrumMode - 1) % 4 == 1) {
            const int exponent = std::clamp(int(s.refreshTime >> 9 & 31) + units, 0, 7);
            s.refreshTime = uint16_t((s.refreshTime & 0x1FF) | exponent << 9);
        } else {
            const int ms25 = std::clamp(int(s.refreshTime & 0x1FF) + 4 * units, 4, 396);
            s.refreshTime = uint16_t((s.refreshTime & ~0x1FF) | ms25);
        }
        break;
    case Field::ETime:
        s.wfTimeUnit = stepWithin(s.wfTimeUnit, units, 1, 1, 64);
        break;
    case Field::ESigB:
        s.insideBright = stepWithin(s.insideBright, units, 5, 0, 100);
        break;
    case Field::ESpecB:
        s.outsideBright = stepWithin(s.outsideBright, units, 5, 0, 100);
        break;
    case Field::EGridB:
        s.gridBright = stepWithin(s.gridBright, units, 5, 0, 100);
        break;
    case Field::ENBP:
        s.nbLevel = stepWithin(s.nbLevel, units, 1, 0, 15);
        m_reports.item(MainItem::NoiseBlanker);
        break;
    case Field::ENBD:
        s.nbDuration = stepWithin(s.nbDuration, units, 1, 1, 100);
        break;
    case Field::EHold:
        s.agcHold = stepWithin(s.agcHold, units, 1, 0, 255);
        break;
    case Field::EAttack:
        s.agcAttack = stepWithin(s.agcAttack, units, 5, 5, 995);
        break;
    case Field::EStepsRX:
        s.tuneStep = std::clamp<int64_t>(s.tuneStep + units * power10(s.tuneDigit), 1, 10'000'000);
        break;
    default:
        return;
    }
    m_reports.item(number(Form::Main), field);
}

void ReceiverModel::editSetupItem(uint8_t item, int units) {
    BoardSettings& s = m_state;
    switch (SetupItem(item)) {
    case SetupItem::ScrollwheelThreshold:
        s.scrollThreshold = stepWithin(s.scrollThreshold, units, 1, 0, 31);
        break;
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
    case SetupItem::AudioLowpass:
        s.lowpass = stepWithin(s.lowpass, units, 5, 15, 150);
        break;
    case SetupItem::AudioHighpass:
        s.highpass = stepWithin(s.highpass, units, 1, 0, 30);
        break;
    case SetupItem::Impedance:
        s.impedance = uint8_t(s.impedance == 2 ? 4 : 2); // 50 Ohm / 4 kOhm
        break;
    case SetupItem::AudioResolution:
        s.audioResolution = stepList(s.audioResolution, units, kAudioResolutions);
        break;
    case SetupItem::RfFilter:
        s.rfFilter = stepWithin(s.rfFilter, units, 1, 0, 7);
        break;
    case SetupItem::Loudspeaker:
        s.loudspeaker = stepWithin(s.loudspeaker, units, 1, 0, 3);
        break;
    case SetupItem::FrequencyAutoActive: {
        const int seconds = std::clamp(int(s.settingsWord >> 4 & 15) + units, 0, 15);
        s.settingsWord = (s.settingsWord & ~0xF0u) | uint32_t(seconds) << 4;
        break;
    }
    case SetupItem::DisplayRate: {
        const int divider = std::clamp(int(s.settingsWord >> 29 & 3) + units, 0, 3);
        s.settingsWord = (s.settingsWord & ~(3u << 29)) | uint32_t(divider) << 29;
        break;
    }
    case SetupItem::SpectrumPriority:
        s.settingsWord ^= 1u << 31;
        break;
    case SetupItem::TouchAction:
        s.touchAction = stepWithin(s.touchAction, units, 1, 0, 4);
        break;
    default:
        return;
    }
    m_reports.item(number(Form::Setup), item);
}

} // namespace talix::sim
