// Knob and wheel steps on the field the board has selected.
#include "sim/ParamWords.h"
#include "sim/ReceiverModel.h"

#include <algorithm>
#include <array>

namespace talix::sim {

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
    ReceiverState& s = m_state;
    switch (field) {
    case 0:
        tuneTo(s.tunedFreq + units * s.tuneStep, false);
        return;
    case 24:
        s.txFreq = std::clamp<int64_t>(s.txFreq + units * s.tuneStep, 100, 1'560'000'000);
        m_reports.item(kFormMain, 24);
        m_reports.item(kFormMain, 42);
        return;
    case 1: {
        const auto& cycle = modeCycle();
        const auto at = std::find(cycle.begin(), cycle.end(), s.mode) - cycle.begin();
        const auto n = int64_t(cycle.size());
        setMode(cycle[size_t(((at + units) % n + n) % n)]);
        return;
    }
    case 2:
        s.bandwidth = stepList(s.bandwidth, units, bandwidthSteps(s.mode, s.fullFmList));
        s.bandwidthByMode[s.mode] = s.bandwidth;
        reportPassband();
        break;
    case 3:
        s.shift = stepWithin(s.shift, units, 10, -3000, 3000);
        reportPassband();
        break;
    case 4:
        s.notchWidth = stepWithin(s.notchWidth, units, 10, 0, 2000);
        reportPassband();
        break;
    case 5:
        if (s.settingsWord >> 28 & 1)
            s.autoNotch = stepWithin(s.autoNotch, units, 1, 0, 255);
        else
            s.notchPos = stepWithin(s.notchPos, units, 10, -19990, 19990);
        reportPassband();
        break;
    case 6:
        s.agcLimit = stepWithin(s.agcLimit, units, 2, 0, 400);
        break;
    case 7:
        s.threshold = stepWithin(s.threshold, units, 2, 0, 400);
        break;
    case 8:
        s.dnr = stepWithin(s.dnr, units, 1, 0, 15);
        break;
    case 9:
    case 30:
        s.binCode = stepList(s.binCode, units, kBinCodes);
        m_reports.item(kFormMain, 9);
        m_reports.item(kFormMain, 0); // the spectrum's left edge moves
        reportPassband();
        return;
    case 10:
        s.topLevel = stepWithin(s.topLevel, units, 1, 0, 255);
        break;
    case 11:
    case 31:
        s.dbPerDiv = stepList(s.dbPerDiv, units, kDbPerDiv);
        m_reports.item(kFormMain, 11);
        return;
    case 12:
        if ((s.spectrumMode - 1) % 4 == 1) {
            const int exponent = std::clamp(int(s.refreshTime >> 9 & 31) + units, 0, 7);
            s.refreshTime = uint16_t((s.refreshTime & 0x1FF) | exponent << 9);
        } else {
            const int ms25 = std::clamp(int(s.refreshTime & 0x1FF) + 4 * units, 4, 396);
            s.refreshTime = uint16_t((s.refreshTime & ~0x1FF) | ms25);
        }
        break;
    case 13:
        s.wfTimeUnit = stepWithin(s.wfTimeUnit, units, 1, 1, 64);
        break;
    case 14:
        s.insideBright = stepWithin(s.insideBright, units, 5, 0, 100);
        break;
    case 15:
        s.outsideBright = stepWithin(s.outsideBright, units, 5, 0, 100);
        break;
    case 16:
        s.gridBright = stepWithin(s.gridBright, units, 5, 0, 100);
        break;
    case 17:
        s.nbLevel = stepWithin(s.nbLevel, units, 1, 0, 15);
        m_reports.item(kFormMain, 53);
        break;
    case 18:
        s.nbDuration = stepWithin(s.nbDuration, units, 1, 1, 100);
        break;
    case 22:
        s.agcHold = stepWithin(s.agcHold, units, 1, 0, 255);
        break;
    case 23:
        s.agcAttack = stepWithin(s.agcAttack, units, 5, 5, 995);
        break;
    case 32:
        s.tuneStep = std::clamp<int64_t>(s.tuneStep + units * power10(s.tuneDigit), 1, 10'000'000);
        break;
    default:
        return;
    }
    m_reports.item(kFormMain, field);
}

void ReceiverModel::editSetupItem(uint8_t item, int units) {
    ReceiverState& s = m_state;
    switch (item) {
    case 0:
        s.scrollThreshold = stepWithin(s.scrollThreshold, units, 1, 0, 31);
        break;
    case 1:
        s.flags ^= 0x10; // level units
        break;
    case 2:
        s.flags ^= uint8_t(1u << (s.gainCtrlIndex & 7)); // automatic gain
        m_reports.item(kFormMain, 6);
        break;
    case 3: {
        const uint8_t d = stepList(uint8_t(s.flags >> 6), units, kDeemphasis);
        s.flags = uint8_t((s.flags & 0x3F) | d << 6);
        break;
    }
    case 4:
        s.lowpass = stepWithin(s.lowpass, units, 5, 15, 150);
        break;
    case 5:
        s.highpass = stepWithin(s.highpass, units, 1, 0, 30);
        break;
    case 6:
        s.impedance = uint8_t(s.impedance == 2 ? 4 : 2); // 50 Ohm / 4 kOhm
        break;
    case 7:
        s.audioResolution = stepList(s.audioResolution, units, kAudioResolutions);
        break;
    case 8:
        s.rfFilter = stepWithin(s.rfFilter, units, 1, 0, 7);
        break;
    case 9:
        s.loudspeaker = stepWithin(s.loudspeaker, units, 1, 0, 3);
        break;
    case 10: {
        const int seconds = std::clamp(int(s.settingsWord >> 4 & 15) + units, 0, 15);
        s.settingsWord = (s.settingsWord & ~0xF0u) | uint32_t(seconds) << 4;
        break;
    }
    case 11: {
        const int divider = std::clamp(int(s.settingsWord >> 29 & 3) + units, 0, 3);
        s.settingsWord = (s.settingsWord & ~(3u << 29)) | uint32_t(divider) << 29;
        break;
    }
    case 12:
        s.settingsWord ^= 1u << 31;
        break;
    case 13:
        s.touchAction = stepWithin(s.touchAction, units, 1, 0, 4);
        break;
    default:
        return;
    }
    m_reports.item(kFormSetup, item);
}

} // namespace talix::sim
