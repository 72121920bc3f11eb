#pragma once

#include "base/BoardWords.h"
#include "sim/BandPlan.h"
#include "sim/BoardSettings.h"
#include "sim/ItemSource.h"
#include "sim/ReportQueue.h"

#include <cstdint>
#include <vector>

namespace talix::sim {

// The board's level meter: the passband level, the S-meter, the noise, the meter's marker, the
// overload light and the AGC line, measured ten times a second and reported when they change.
class SignalMeter final : public ItemSource {
public:
    SignalMeter(const BandPlan& plan, const BoardSettings& settings, ReportQueue& reports);

    // Once per frame: measures on every eighth.
    void tick(uint64_t frame, double now);
    void measure(double now);

    // The AGC line's row in the spectrum (511: manual gain).
    uint16_t agcRow() const { return m_agcRow; }
    // Levels, LevelMarker and Overload after their ValueWord w.
    std::vector<uint32_t> encode(board::MainItem item, uint32_t w) const override;

private:
    const BandPlan& m_plan;
    const BoardSettings& m_settings;
    ReportQueue& m_reports;
    int32_t m_levelTenths = -1200, m_smeterTenths = -1200, m_noiseTenths = -1200;
    int32_t m_marker = 0;
    bool m_overload = false;
    uint16_t m_agcRow = 0;
};

} // namespace talix::sim
