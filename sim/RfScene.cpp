#include "sim/RfScene.h"

#include "sim/StationActivity.h"

#include <cmath>

namespace talix::sim::rf {

double noiseMw(int64_t freqHz, double bandwidthHz, double frontEndGainDb) {
    // The receiver's own noise (-166 dBm/Hz) adds to the antenna's, which the attenuator lowers.
    const double antenna = dbmToMw(BandPlan::noiseDensityDbmPerHz(freqHz) + frontEndGainDb);
    return (antenna + dbmToMw(-166)) * bandwidthHz;
}

void components(const Station& s, double t, const PartialSet& programme,
                const std::function<void(const Component&)>& visit) {
    switch (s.kind) {
    case StationKind::AmBroadcast:
    case StationKind::TimeSignal:
        visit({0, 1, -1, false});
        for (int k = 0; k < kProgrammeSlots; ++k) {
            const Partial& p = programme.slot[size_t(k)];
            if (p.amp <= 0)
                continue;
            visit({p.hz, kModulationDepth / 2 * p.amp, k, false});
            visit({-p.hz, kModulationDepth / 2 * p.amp, k, true});
        }
        return;
    case StationKind::CwBeacon:
        visit({0, 1, -1, false});
        return;
    case StationKind::SsbVoice:
        for (int k = 0; k < kProgrammeSlots; ++k) {
            const Partial& p = programme.slot[size_t(k)];
            if (p.amp > 0)
                visit({s.upperSideband ? p.hz : -p.hz, p.amp, k, !s.upperSideband});
        }
        return;
    case StationKind::FmBroadcast:
    case StationKind::NfmVoice:
        visit({0, 1, -1, false}); // the carrier stands for the whole FM signal
        return;
    }
}

double passbandMw(const BandPlan& plan, const TuningView& view, double t, double* signalMw) {
    const int64_t lo = view.tunedHz + int64_t(view.rf.lowHz);
    const int64_t hi = view.tunedHz + int64_t(view.rf.highHz);
    double signal = 0;
    const auto [first, last] = plan.between(lo - 5000, hi + 5000);
    for (size_t i = first; i < last; ++i) {
        const Station& s = plan.stations()[i];
        const double p = dbmToMw(activity::powerDbm(s, t) + view.frontEndGainDb);
        if (p <= 0)
            continue;
        if (s.kind == StationKind::SsbVoice) {
            // Speech occupies 300..2700 Hz on its side of the carrier.
            const double a = s.upperSideband ? s.freqHz + 300.0 : s.freqHz - 2700.0;
            const double b = a + 2400;
            const double overlap = std::max(0.0, std::min(b, double(hi)) - std::max(a, double(lo)));
            signal += p * overlap / 2400;
        } else if (s.freqHz >= lo && s.freqHz <= hi) {
            signal += p;
        }
    }
    if (signalMw)
        *signalMw = signal;
    return signal + noiseMw(view.tunedHz, view.bandwidthHz, view.frontEndGainDb);
}

} // namespace talix::sim::rf
