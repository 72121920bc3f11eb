#include "sim/SignalMeter.h"

#include "sim/RfScene.h"
#include "sim/SettingsViews.h"

#include <algorithm>
#include <cmath>

namespace talix::sim {

using board::MainItem;

namespace {
constexpr uint64_t kLevelFrames = 8; // levels ten times a second
} // namespace

SignalMeter::SignalMeter(const BandPlan& plan, const BoardSettings& settings, ReportQueue& reports)
    : m_plan(plan), m_settings(settings), m_reports(reports) {}

void SignalMeter::tick(uint64_t frame, double now) {
    if (frame % kLevelFrames == 0)
        measure(now);
}

void SignalMeter::measure(double now) {
    const TuningView view = tuningViewOf(m_settings);
    double signalMw = 0;
    const double totalMw = rf::passbandMw(m_plan, view, now, &signalMw);
    const double level = rf::mwToDbm(totalMw);
    const double noise = rf::mwToDbm(totalMw - signalMw);
    const double unitOffset = m_settings.levelsInDbuv() ? 107 : 0;
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
    const int32_t marker = tenths(level + (m_settings.tunedFreq > 300'000'000 ? 20 : 0));
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
    m_agcRow =
        view.agcAuto ? displayScaleOf(m_settings).rowOf(std::max(level, view.agcLimitDbm)) : 511;
}

std::vector<uint32_t> SignalMeter::encode(MainItem item, uint32_t w) const {
    switch (item) {
    case MainItem::Levels:
        return {w, uint32_t(m_levelTenths), uint32_t(m_smeterTenths), uint32_t(m_noiseTenths)};
    case MainItem::LevelMarker:
        return {w, uint32_t(m_marker)};
    case MainItem::Overload:
        return {w, m_overload ? 1u : 0u};
    default:
        return {};
    }
}

} // namespace talix::sim
