// The values the board reports: main-window items (form 0) and Setup form items (form 1).
#include "sim/ParamWords.h"
#include "sim/ReceiverModel.h"

#include <cmath>

namespace talix::sim {

namespace {

// Items whose readouts have a tenths format: the board asks for it, since their values are in
// tenths (0.1 Hz, 0.1 ms, 0.1 s, 0.1 dB/s).
bool tenthsItem(int item) {
    return item == 0 || item == 18 || item == 22 || item == 23 || item == 24 || item == 32;
}

uint32_t pair16(int lo, int hi) {
    return (uint32_t(lo) & 0xFFFF) | (uint32_t(hi) & 0xFFFF) << 16;
}

} // namespace

std::vector<uint32_t> ReceiverModel::encode(int form, int item) const {
    if (form == kFormMain)
        return mainItem(item);
    if (form == kFormSetup)
        return setupItem(item);
    if (form == kFormUndo)
        return {valueWord(0, kFormUndo), undoValue()};
    return {};
}

uint32_t ReceiverModel::undoValue() const {
    const auto count = uint32_t(m_state.undo.size());
    return count | (count > 0 ? 1u : 2u) << 8; // "available" / "empty"
}

std::vector<uint32_t> ReceiverModel::mainItem(int item) const {
    const ReceiverState& s = m_state;
    const uint32_t w = valueWord(uint32_t(item), kFormMain, tenthsItem(item));
    switch (item) {
    case 0: {
        const auto left = s.tunedFreq - int64_t(std::llround(512 * s.binHz() * 10));
        return {w, uint32_t(s.tunedFreq), uint32_t(left), uint32_t(s.tunedFreq)};
    }
    case 1:
        return {w, s.mode};
    case 2:
        return {w, s.bandwidth};
    case 3:
        return {w, uint16_t(s.shift)};
    case 4:
        return {w, s.notchWidth};
    case 5:
        return {w, s.settingsWord >> 28 & 1 ? uint32_t(s.autoNotch) : uint16_t(s.notchPos)};
    case 6:
        return {w, s.agcLimit};
    case 7:
        return {w, s.threshold};
    case 8:
        return {w, s.dnr};
    case 9:
        return {w, s.binCode};
    case 10:
        return {w, s.topLevel};
    case 11:
        return {w, s.dbPerDiv};
    case 12:
        return {w, s.refreshTime};
    case 13:
        return {w, s.wfTimeUnit};
    case 14:
        return {w, s.insideBright};
    case 15:
        return {w, s.outsideBright};
    case 16:
        return {w, s.gridBright};
    case 17:
        return {w, s.nbLevel};
    case 18:
        return {w, s.nbDuration};
    case 19:
        return {w, s.tuneMode ? 50u : 0u};
    case 20:
        return {w, s.headphoneVolume};
    case 21:
        return {w, s.speakerVolume};
    case 22:
        return {w, s.agcHold};
    case 23:
        return {w, s.agcAttack};
    case 24:
        return {w, uint32_t(s.txFreq)};
    case 25:
        return {w, uint32_t(s.gainCtrlIndex) | uint32_t(s.notchIndex) << 8};
    case 26:
        return {w, s.attenuation};
    case 27:
        return {w, s.tuneDigit};
    case 28:
        return {w, s.brightness};
    case 32:
        return {w, uint32_t(s.tuneStep)};
    case 33: {
        const SpectrumGeometry g{s.tunedHz(), s.binHz()};
        const Passband pb =
            passbandOf(s.mode, s.tunedHz(), bandwidthHz(s.mode, s.bandwidth), s.shift);
        const int lo = g.passbandLo(pb.lowHz);
        const int hi = std::max(lo, g.passbandHi(pb.highHz));
        // The notch sits on the passband's side of the carrier.
        const double side = demodOf(s.mode, s.tunedHz()) == Demod::Lsb ? -1 : 1;
        const double centre = side * s.notchPos;
        const int mlo = g.passbandLo(centre - s.notchWidth / 2.0);
        const int mhi = std::max(mlo, g.passbandHi(centre + s.notchWidth / 2.0));
        return {w, pair16(lo - 1, hi - 1), pair16(mlo - 1, mhi - 1), s.spectrumMode};
    }
    case 34:
        return {w, s.lockWord};
    case 35:
        return {w, s.wfHigh};
    case 36:
        return {w, s.wfLow};
    case 39:
        return {w, s.fullFmList ? 1u : 0u};
    case 40:
        return {w, uint32_t(m_levelTenths), uint32_t(m_smeterTenths), uint32_t(m_noiseTenths)};
    case 41:
        return {w, uint32_t(m_marker)};
    case 42: {
        // Transmit frequency colour: 2 while transmitting, 1 outside the amateur bands.
        const int64_t hz = s.txFreq / 10;
        const bool ham =
            (hz >= 1'810'000 && hz <= 2'000'000) || (hz >= 3'500'000 && hz <= 3'800'000) ||
            (hz >= 7'000'000 && hz <= 7'200'000) || (hz >= 10'100'000 && hz <= 10'150'000) ||
            (hz >= 14'000'000 && hz <= 14'350'000) || (hz >= 18'068'000 && hz <= 18'168'000) ||
            (hz >= 21'000'000 && hz <= 21'450'000) || (hz >= 24'890'000 && hz <= 24'990'000) ||
            (hz >= 28'000'000 && hz <= 29'700'000) || (hz >= 50'000'000 && hz <= 52'000'000) ||
            (hz >= 144'000'000 && hz <= 146'000'000);
        return {w, s.tuneMode ? 2u : ham ? 0u : 1u};
    }
    case 43:
        return {w, s.flags};
    case 44:
        return {w, 0};
    case 45:
        return {w, m_overload ? 1u : 0u};
    case 46:
        return {w, uint32_t(s.undo.size())};
    case 47: {
        if (m_rdsStation < 0 || m_rdsStage < 2)
            return {w, 0};
        std::vector<uint32_t> words{w};
        const auto text = textWords(m_plan.stations()[size_t(m_rdsStation)].rds.pty, 5);
        if (text[0] == 0)
            return {w, 0};
        words.insert(words.end(), text.begin(), text.end());
        return words;
    }
    case 48: {
        if (m_rdsStation < 0)
            return {};
        const RdsInfo& rds = m_plan.stations()[size_t(m_rdsStation)].rds;
        std::vector<uint32_t> words{w};
        const auto pi = textWords(rds.pi, 1);
        const auto ps = textWords(rds.ps, 2);
        words.insert(words.end(), pi.begin(), pi.end());
        words.insert(words.end(), ps.begin(), ps.end());
        words.push_back(rds.tp ? 1 : 0);
        return words;
    }
    case 49: {
        if (m_rdsStation < 0)
            return {};
        const RdsInfo& rds = m_plan.stations()[size_t(m_rdsStation)].rds;
        std::vector<uint32_t> words{w};
        const auto text = textWords(rds.radioText[m_radioTextIndex % rds.radioText.size()], 16);
        words.insert(words.end(), text.begin(), text.end());
        return words;
    }
    case 50:
        return {w, uint32_t(m_clockCal)};
    case 51: {
        std::vector<uint32_t> words{w};
        for (const auto& [text, count] :
             {std::pair{m_gpsTime, 2}, std::pair{m_latitude, 4}, std::pair{m_longitude, 4}}) {
            const auto t = textWords(text, size_t(count));
            words.insert(words.end(), t.begin(), t.end());
        }
        return words;
    }
    case 52: {
        std::vector<uint32_t> words{w};
        const auto t = textWords(m_altitude, 2);
        words.insert(words.end(), t.begin(), t.end());
        return words;
    }
    case 53:
        return {w, s.nbLevel > 0 ? 1u : 0u};
    case 55:
        if (!m_rotatorFound)
            return {};
        return {w, 35u | uint32_t(s.rotatorOn ? s.rotatorPosition : 0) << 8,
                addressWord(m_rotator.host)};
    case 56:
        if (!m_rotatorFound)
            return {};
        return {w, 0x0B, addressWord(m_rotator.host)};
    case 57:
        return m_rotatorFound ? std::vector<uint32_t>{} : std::vector<uint32_t>{w, 0};
    default:
        return {}; // not reported (29-31, 37, 38, 54, 58, 59)
    }
}

std::vector<uint32_t> ReceiverModel::setupItem(int item) const {
    const ReceiverState& s = m_state;
    const uint32_t w = valueWord(uint32_t(item), kFormSetup);
    switch (item) {
    case 0:
        return {w, s.scrollThreshold};
    case 1:
    case 2:
    case 3:
        return {w, s.flags};
    case 4:
        return {w, s.lowpass};
    case 5:
        return {w, s.highpass};
    case 6:
        return {w, s.impedance};
    case 7:
        return {w, s.audioResolution};
    case 8:
        return {w, s.rfFilter};
    case 9:
        return {w, s.loudspeaker};
    case 10:
    case 11:
    case 12:
        return {w, s.settingsWord};
    case 13:
        return {w, s.touchAction};
    default:
        return {};
    }
}

} // namespace talix::sim
