// What the board measures and reports by itself: levels, GPS time and position, RDS, and each
// frame's audio, spectrum and status.
#include "sim/ParamWords.h"
#include "sim/ReceiverModel.h"
#include "sim/RfScene.h"
#include "sim/StationActivity.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace talix::sim {

using board::MainItem;

namespace {

constexpr uint64_t kLevelFrames = 8;   // levels ten times a second
constexpr uint64_t kClockFrames = 800; // reference clock every ten seconds
constexpr double kRdsMinDbm = -100;
constexpr double kRadioTextSeconds = 8;

struct Place {
    double lat, lon, alt;
};
constexpr Place kPlaces[] = {{48.137, 11.575, 519}, {52.520, 13.405, 34}, {47.377, 8.540, 408},
                             {51.507, -0.128, 11},  {59.329, 18.069, 28}, {45.464, 9.190, 120}};

std::string degrees(double value, int degreeDigits, char positive, char negative) {
    const double a = std::abs(value);
    const int d = int(a);
    const double minutes = (a - d) * 60;
    char text[32];
    // "\xB0" is the degree sign in the host's single-byte code page.
    std::snprintf(text, sizeof text, "%0*d\xB0%07.4f'%c", degreeDigits, d, minutes,
                  value < 0 ? negative : positive);
    return text;
}

} // namespace

TuningView ReceiverModel::tuningView() const {
    const BoardSettings& s = m_state;
    TuningView v;
    v.tunedHz = s.tunedHz();
    v.mode = s.mode;
    v.bandwidthHz = bandwidthHz(s.mode, s.bandwidth);
    v.rf = passbandOf(s.mode, v.tunedHz, v.bandwidthHz, s.shift);
    v.binHz = s.binHz();
    if (s.notchWidth > 0 && !(s.settingsWord >> 28 & 1)) {
        v.notchHz = std::abs(double(s.notchPos)) +
                    (demodOf(s.mode, v.tunedHz) == Demod::Cw ? kCwPitchHz : 0);
        v.notchWidthHz = s.notchWidth;
    }
    v.agcAuto = s.agcAutomatic();
    v.agcLimitDbm = (5.0 * s.agcLimit - 1400) / 10;
    v.rfGainDb = (1400 - 5.0 * s.agcLimit) / 10;
    v.squelchDbm = s.threshold == 0 ? -1000 : s.threshold / 2.0 - 140;
    v.dnr = s.dnr;
    v.stereo = s.flags & 0x20;
    v.frontEndGainDb = double(s.attenuation) - 6;
    return v;
}

DisplayScale ReceiverModel::displayScale() const {
    // The top of the display is TopLevel - 170 dBm, or TopLevel - 50 dBuV.
    DisplayScale scale;
    scale.topDbm =
        m_state.levelsInDbuv() ? m_state.topLevel - 50.0 - 107 : m_state.topLevel - 170.0;
    scale.dbPerDiv = m_state.dbPerDiv;
    return scale;
}

void ReceiverModel::measureLevels() {
    const TuningView view = tuningView();
    double signalMw = 0;
    const double totalMw = rf::passbandMw(m_plan, view, now(), &signalMw);
    const double level = rf::mwToDbm(totalMw);
    const double noise = rf::mwToDbm(totalMw - signalMw);
    const double unitOffset = m_state.levelsInDbuv() ? 107 : 0;
    const auto tenths = [](double db) { return int32_t(std::lround(db * 10)); };
    const int32_t a = tenths(level + unitOffset);
    const int32_t b = tenths(level);
    const int32_t c = tenths(noise + unitOffset);
    if (a != m_levelTenths || b != m_smeterTenths || c != m_noiseTenths) {
        m_levelTenths = a;
        m_smeterTenths = b;
        m_noiseTenths = c;
        m_reports.item(MainItem::Levels);
    }
    // The meter's scale reads 20 dB lower above 30 MHz.
    const int32_t marker = tenths(level + (m_state.tunedFreq > 300'000'000 ? 20 : 0));
    if (marker != m_marker) {
        m_marker = marker;
        m_reports.item(MainItem::LevelMarker);
    }
    const bool overload = level > -10;
    if (overload != m_overload) {
        m_overload = overload;
        m_reports.item(MainItem::Overload);
    }
    // The AGC line stands at the level the gain control holds: the signal, or its limit.
    m_agcRow = view.agcAuto ? displayScale().rowOf(std::max(level, view.agcLimitDbm)) : 511;
}

void ReceiverModel::reportClock() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    if (seconds == m_lastGpsSecond)
        return;
    const bool first = m_lastGpsSecond < 0;
    m_lastGpsSecond = seconds;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", utc.tm_hour, utc.tm_min, utc.tm_sec);
    m_gpsTime = text;
    const Place& p = kPlaces[m_seed % (sizeof kPlaces / sizeof kPlaces[0])];
    // A fix wanders by a few metres.
    const double wobble = activity::hash01(m_seed, uint64_t(seconds)) - 0.5;
    m_latitude = degrees(p.lat + wobble * 0.00003, 2, 'N', 'S');
    m_longitude = degrees(p.lon - wobble * 0.00004, 3, 'E', 'W');
    std::snprintf(text, sizeof text, "%7.1f", p.alt + wobble * 4);
    m_altitude = text;
    m_reports.item(MainItem::GpsPosition);
    if (first || seconds % 10 == 0)
        m_reports.item(MainItem::GpsAltitude);
}

void ReceiverModel::reportRds() {
    const BoardSettings& s = m_state;
    int station = -1;
    if (s.mode == board::kModeFmWide) {
        const int found = m_plan.strongestNear(s.tunedHz(), 60'000);
        if (found >= 0) {
            const Station& st = m_plan.stations()[size_t(found)];
            if (st.kind == StationKind::FmBroadcast &&
                st.levelDbm + double(s.attenuation) - 6 > kRdsMinDbm)
                station = found;
        }
    }
    const double t = now();
    if (station != m_rdsStation) {
        const bool had = m_rdsStation >= 0;
        m_rdsStation = station;
        m_rdsStage = 0;
        m_rdsSince = t;
        m_radioTextIndex = 0;
        if (had)
            m_reports.item(MainItem::ProgrammeType); // empties the RDS lines
        return;
    }
    if (station < 0)
        return;
    const double age = t - m_rdsSince;
    if (m_rdsStage == 0 && age > 0.5) {
        m_rdsStage = 1;
        m_reports.item(MainItem::ProgrammeIdent);
    } else if (m_rdsStage == 1 && age > 1.5) {
        m_rdsStage = 2;
        m_reports.item(MainItem::ProgrammeType);
        m_reports.item(MainItem::RadioText);
    } else if (m_rdsStage == 2) {
        const auto index = size_t((age - 1.5) / kRadioTextSeconds);
        if (index != m_radioTextIndex) {
            m_radioTextIndex = index;
            m_reports.item(MainItem::RadioText);
        }
    }
}

void ReceiverModel::tick() {
    if (m_frame % kLevelFrames == 0)
        measureLevels();
    if (m_frame % kClockFrames == 0) {
        m_clockCal = int32_t(std::lround(4 * (activity::hash01(m_seed, m_frame) - 0.5)));
        m_reports.item(MainItem::ClockCalibration);
    }
    reportClock();
    reportRds();
    turnRotator();
    m_dab.tick(now(), m_reports);
}

void ReceiverModel::renderFrame(FrameContent& content) {
    const TuningView view = tuningView();
    const double t = now();
    m_audio.render(m_plan, view, m_sampleClock, content.audio.data(), int(kAudioPairs));
    const auto filter = SpectrumSynth::Filter((m_state.spectrumMode - 1) & 3);
    const int exponent = m_state.refreshTime >> 9 & 31;
    const double holdMs = (m_state.refreshTime & 0x1FF) * 25.0;
    m_spectrum.render(m_plan, view, displayScale(), filter, exponent, holdMs, t, content.spectrum);
    content.status = (m_agcRow & 0x1FF) | (m_state.externalAntenna ? 0x80000000u : 0u);
    m_sampleClock += kAudioPairs;
    ++m_frame;
}

} // namespace talix::sim
