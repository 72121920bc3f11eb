#pragma once

#include "sim/BandPlan.h"
#include "sim/Programme.h"
#include "sim/TuningView.h"

#include <cmath>
#include <functional>

namespace talix::sim {

// The signals at the antenna around the tuned frequency at one moment: every station as RF
// components (carrier and modulation), the noise, and what falls into the receiver's passband.
namespace rf {

constexpr double kModulationDepth = 0.8; // AM broadcast

inline double dbmToMw(double dbm) {
    return dbm < -190 ? 0 : std::pow(10.0, dbm / 10);
}
inline double mwToDbm(double mw) {
    return mw > 1e-19 ? 10 * std::log10(mw) : -190;
}

// Noise power (mW) in a bandwidth at a frequency, after the front end.
double noiseMw(int64_t freqHz, double bandwidthHz, double frontEndGainDb);

// Power (mW) that falls into the passband: the stations' components plus the noise.
double passbandMw(const BandPlan& plan, const TuningView& view, double t,
                  double* signalMw = nullptr);

// One RF component of a station: an offset from the station's carrier, its amplitude relative to
// the square root of the station's power, and the programme slot it comes from (-1: carrier).
struct Component {
    double offsetHz;
    double amp;
    int slot;
    bool lower;
};
// Calls `visit` for every component of the station at t (programme taken from `programme`).
void components(const Station& s, double t, const PartialSet& programme,
                const std::function<void(const Component&)>& visit);

} // namespace rf
} // namespace talix::sim
