#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talix::sim {

enum class StationKind {
    AmBroadcast, // LW, MW, SW: carrier and programme sidebands
    TimeSignal,  // AM carrier with second ticks
    FmBroadcast, // 87.5-108 MHz, stereo programme and RDS
    CwBeacon,    // keyed carrier sending its call sign
    SsbVoice,    // suppressed carrier, one sideband of speech, with pauses
    NfmVoice,    // narrow FM speech (2 m repeaters)
};

struct RdsInfo {
    std::string pi;  // 4 characters
    std::string ps;  // 8 characters
    std::string pty; // programme type text
    bool tp = false;
    std::vector<std::string> radioText;
};

struct Station {
    int64_t freqHz = 0; // carrier, or the suppressed carrier of SSB
    StationKind kind = StationKind::AmBroadcast;
    double levelDbm = -80;     // carrier or peak power at the antenna
    bool upperSideband = true; // SSB speech
    bool music = true;         // broadcast programme: music or talk
    uint32_t seed = 0;
    std::string ident; // call sign or station name
    double fadePeriodS = 10;
    double fadeDepthDb = 0;
    int wordsPerMinute = 18;
    std::vector<bool> keying; // CW beacons: the repeated message, one entry per dot unit
    RdsInfo rds;
};

// Every station the simulated antenna receives, sorted by frequency; the same seed always gives
// the same plan. The bands follow the coverage the program accepts for tap-to-tune.
class BandPlan {
public:
    explicit BandPlan(uint32_t seed);

    const std::vector<Station>& stations() const { return m_stations; }
    // Indexes of the stations whose carrier lies in [loHz, hiHz].
    std::pair<size_t, size_t> between(int64_t loHz, int64_t hiHz) const;
    // Background noise at the antenna, dBm per Hz.
    static double noiseDensityDbmPerHz(int64_t freqHz);
    // Index of the strongest station within `radiusHz` of a frequency, or -1.
    int strongestNear(int64_t freqHz, int64_t radiusHz) const;

private:
    std::vector<Station> m_stations;
};

} // namespace talix::sim
