#pragma once

#include "base/BoardWords.h"
#include "sim/ItemSource.h"
#include "sim/ReportQueue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace talix::sim {

// The board's GPS receiver: UTC time and a position that wanders by a few metres, reported every
// second (the altitude every ten), and the reference clock's calibration every ten seconds. The
// place is one of a few cities, chosen by the seed.
class GpsReceiver final : public ItemSource {
public:
    GpsReceiver(uint32_t seed, ReportQueue& reports);

    // Once per frame.
    void tick(uint64_t frame);

    // ClockCalibration, GpsPosition and GpsAltitude after their ValueWord w.
    std::vector<uint32_t> encode(board::MainItem item, uint32_t w) const override;

private:
    void readClock();

    uint32_t m_seed;
    ReportQueue& m_reports;
    int32_t m_clockCal = 0;
    int64_t m_lastSecond = -1;
    std::string m_time = "--:--:--", m_latitude, m_longitude, m_altitude;
};

} // namespace talix::sim
