// The values the board reports: main-window items (form 0) and Setup form items (form 1).
#include "sim/ParamWords.h"
#include "sim/ReceiverModel.h"

#include <cmath>

namespace talix::sim {

using board::Form;
using board::MainItem;
using board::number;
using board::SetupItem;

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

uint32_t pair16(int lo, int hi) {
    return (uint32_t(lo) & 0xFFFF) | (uint32_t(hi) & 0xFFFF) << 16;
}

} // namespace

std::vector<uint32_t> ReceiverModel::encode(int form, int item) const {
    if (form == number(Form::Main))
        return mainItem(item);
    if (form == number(Form::Setup))
        return setupItem(item);
    if (form == number(Form::Undo))
        return {valueWord(0, number(Form::Undo)), undoValue()};
    if (SettingsForms::owns(form))
        return m_forms.encode(form, item);
    return {};
}

uint32_t ReceiverModel::undoValue() const {
    const auto count = uint32_t(m_state.undo.size());
    return count | (count > 0 ? 1u : 2u) << 8; // "available" / "empty"
}

std::vector<uint32_t> ReceiverModel::mainItem(int item) const {
    if (item < 0 || item >= board::kMainItems)
        return {};
    const BoardSettings& s = m_state;
    const uint32_t w = valueWord(uint32_t(item), number(Form::Main), tenthsItem(item));
    switch (MainItem(item)) {
    case MainItem::TunedFreq: {
        const auto left = s.tunedFreq - int64_t(std::llround(512 * s.binHz() * 10));
        return {w, uint32_t(s.tunedFreq), uint32_t(left), uint32_t(s.tunedFreq)};
    }
    case MainItem::ModeIndex:
        return {w, s.mode};
    case MainItem::Bandwidth:
        return {w, s.bandwidth};
    case MainItem::Shift:
        return {w, uint16_t(s.shift)};
    case MainItem::NotchWidth:
        return {w, s.notchWidth};
    case MainItem::NotchPos:
        return {w, s.settingsWord >> 28 & 1 ? uint32_t(s.autoNotch) : uint16_t(s.notchPos)};
    case MainItem::AgcLimit:
        return {w, s.agcLimit};
    case MainItem::Threshold:
        return {w, s.threshold};
    case MainItem::Dnr:
        return {w, s.dnr};
    case MainItem::BinCode:
        return {w, s.binCode};
    case MainItem::TopLevel:
        return {w, s.topLevel};
    case MainItem::DbPerDiv:
        return {w, s.dbPerDiv};
    case MainItem::RefreshTime:
        return {w, s.refreshTime};
    case MainItem::WfTimeUnit:
        return {w, s.wfTimeUnit};
    case MainItem::InsideBright:
        return {w, s.insideBright};
    case MainItem::OutsideBright:
        return {w, s.outsideBright};
    case MainItem::GridBright:
        return {w, s.gridBright};
    case MainItem::NbLevel:
        return {w, s.nbLevel};
    case MainItem::NbDuration:
        return {w, s.nbDuration};
    case MainItem::ModLevel:
        return {w, s.tuneMode ? 50u : 0u};
    case MainItem::HeadphoneVolume:
        return {w, s.headphoneVolume};
    case MainItem::SpeakerVolume:
        return {w, s.speakerVolume};
    case MainItem::AgcHold:
        return {w, s.agcHold};
    case MainItem::AgcAttack:
        return {w, s.agcAttack};
    case MainItem::TxFreq:
        return {w, uint32_t(s.txFreq)};
    case MainItem::GainCtrlIndex:
        return {w, uint32_t(s.gainCtrlIndex) | uint32_t(s.notchIndex) << 8};
    case MainItem::Attenuation:
        return {w, s.attenuation};
    case MainItem::TuneDigit:
        return {w, s.tuneDigit};
    case MainItem::Brightness:
        return {w, s.brightness};
    case MainItem::TuneStep:
        return {w, uint32_t(s.tuneStep)};
    case MainItem::Passband: {
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
    case MainItem::LockWord:
        return {w, s.lockWord};
    case MainItem::WaterfallHigh:
        return {w, s.wfHigh};
    case MainItem::WaterfallLow:
        return {w, s.wfLow};
    case MainItem::BwListFlag:
        return {w, s.fullFmList ? 1u : 0u};
    case MainItem::Levels:
        return {w, uint32_t(m_levelTenths), uint32_t(m_smeterTenths), uint32_t(m_noiseTenths)};
    case MainItem::LevelMarker:
        return {w, uint32_t(m_marker)};
    case MainItem::TxColour: {
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
    case MainItem::ReceiverFlags:
        return {w, s.flags};
    case MainItem::Arrow:
        return {w, 0};
    case MainItem::Overload:
        return {w, m_overload ? 1u : 0u};
    case MainItem::UndoCount:
        return {w, uint32_t(s.undo.size())};
    case MainItem::ProgrammeType: {
        if (m_rdsStation < 0 || m_rdsStage < 2)
            return {w, 0};
        std::vector<uint32_t> words{w};
        const auto text = textWords(m_plan.stations()[size_t(m_rdsStation)].rds.pty, 5);
        if (text[0] == 0)
            return {w, 0};
        words.insert(words.end(), text.begin(), text.end());
        return words;
    }
    case MainItem::ProgrammeIdent: {
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
    case MainItem::RadioText: {
        if (m_rdsStation < 0)
            return {};
        const RdsInfo& rds = m_plan.stations()[size_t(m_rdsStation)].rds;
        std::vector<uint32_t> words{w};
        const auto text = textWords(rds.radioText[m_radioTextIndex % rds.radioText.size()], 16);
        words.insert(words.end(), text.begin(), text.end());
        return words;
    }
    case MainItem::ClockCalibration:
        return {w, uint32_t(m_clockCal)};
    case MainItem::GpsPosition: {
        std::vector<uint32_t> words{w};
        for (const auto& [text, count] :
             {std::pair{m_gpsTime, 2}, std::pair{m_latitude, 4}, std::pair{m_longitude, 4}}) {
            const auto t = textWords(text, size_t(count));
            words.insert(words.end(), t.begin(), t.end());
        }
        return words;
    }
    case MainItem::GpsAltitude: {
        std::vector<uint32_t> words{w};
        const auto t = textWords(m_altitude, 2);
        words.insert(words.end(), t.begin(), t.end());
        return words;
    }
    case MainItem::NoiseBlanker:
        return {w, s.nbLevel > 0 ? 1u : 0u};
    case MainItem::RotatorPresent: {
        if (!m_rotatorFound)
            return {};
        const uint32_t position = s.rotatorOn ? s.rotatorPosition : 0;
        return {w, m_rotatorMotor.currentMa() | position << 8, addressWord(m_rotator.host)};
    }
    case MainItem::RotatorVersion:
        if (!m_rotatorFound)
            return {};
        return {w, 0x0B, addressWord(m_rotator.host)};
    case MainItem::RotatorNotFound:
        return m_rotatorFound ? std::vector<uint32_t>{} : std::vector<uint32_t>{w, 0};
    default:
        return {}; // not reported (29-31, 37, 38, 54, 58, 59)
    }
}

std::vector<uint32_t> ReceiverModel::setupItem(int item) const {
    if (item < 0 || item >= board::kSetupItems)
        return {};
    const BoardSettings& s = m_state;
    const uint32_t w = valueWord(uint32_t(item), number(Form::Setup));
    switch (SetupItem(item)) {
    case SetupItem::ScrollwheelThreshold:
        return {w, s.scrollThreshold};
    case SetupItem::LevelUnits:
    case SetupItem::GainControl:
    case SetupItem::Deemphasis:
        return {w, s.flags};
    case SetupItem::AudioLowpass:
        return {w, s.lowpass};
    case SetupItem::AudioHighpass:
        return {w, s.highpass};
    case SetupItem::Impedance:
        return {w, s.impedance};
    case SetupItem::AudioResolution:
        return {w, s.audioResolution};
    case SetupItem::RfFilter:
        return {w, s.rfFilter};
    case SetupItem::Loudspeaker:
        return {w, s.loudspeaker};
    case SetupItem::FrequencyAutoActive:
    case SetupItem::DisplayRate:
    case SetupItem::SpectrumPriority:
        return {w, s.settingsWord};
    case SetupItem::TouchAction:
        return {w, s.touchAction};
    default:
        return {};
    }
}

} // namespace talix::sim
