#pragma once

#include "base/BoardWords.h"
#include "sim/BandPlan.h"
#include "sim/BoardSettings.h"
#include "sim/ItemSource.h"
#include "sim/ReportQueue.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace talix::sim {

// RDS of the FM broadcast station tuned in FM-W, when it comes in strong enough: the programme
// identification after half a second, the programme type and radio text after a second more, then
// the next radio text every eight seconds. Leaving the station empties the RDS lines.
class RdsReception final : public ItemSource {
public:
    RdsReception(const BandPlan& plan, const BoardSettings& settings, ReportQueue& reports);

    // Once per frame.
    void tick(double now);

    // ProgrammeType, ProgrammeIdent and RadioText after their ValueWord w.
    std::vector<uint32_t> encode(board::MainItem item, uint32_t w) const override;

private:
    int stationHeard() const;

    const BandPlan& m_plan;
    const BoardSettings& m_settings;
    ReportQueue& m_reports;
    int m_station = -1; // band-plan index of the FM station whose RDS is shown
    double m_since = 0;
    int m_stage = 0;
    size_t m_radioTextIndex = 0;
};

} // namespace talix::sim
