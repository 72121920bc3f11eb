#include "sim/SpectrumSynth.h"

#include "sim/RfScene.h"
#include "sim/StationActivity.h"

#include <algorithm>
#include <cmath>

namespace talix::sim {

uint16_t DisplayScale::rowOf(double dbm) const {
    const double v = (dbm - bottomDbm()) * 40 / std::max(1.0, dbPerDiv);
    return uint16_t(std::clamp(v, 0.0, double(kMaxBinValue)));
}

int SpectrumGeometry::binOf(double hz) const {
    return int(std::lround((hz - leftHz()) / binHz)) - 1;
}

int SpectrumGeometry::passbandLo(double lowHz) const {
    return std::clamp(511 + int(std::ceil(lowHz / binHz - 1e-9)), 0, int(kSpectrumBins));
}

int SpectrumGeometry::passbandHi(double highHz) const {
    return std::clamp(512 + int(std::floor(highHz / binHz + 1e-9)), 0, int(kSpectrumBins));
}

SpectrumSynth::SpectrumSynth(uint32_t seed) : m_noiseState(0x9E3779B97F4A7C15ull ^ seed) {}

double SpectrumSynth::exponentialNoise() {
    m_noiseState ^= m_noiseState << 13;
    m_noiseState ^= m_noiseState >> 7;
    m_noiseState ^= m_noiseState << 17;
    const double u = (double(m_noiseState >> 11) + 0.5) * (1.0 / 9007199254740992.0);
    return -std::log(u);
}

namespace {

// Adds power spread evenly over [loHz, hiHz] to the bins it overlaps.
void addBand(std::array<double, kSpectrumBins>& bins, const SpectrumGeometry& g, double loHz,
             double hiHz, double mw) {
    if (mw <= 0 || hiHz <= loHz)
        return;
    const double first = (loHz - g.leftHz()) / g.binHz - 1.5; // bin i spans [i + 0.5, i + 1.5)
    const double last = (hiHz - g.leftHz()) / g.binHz - 1.5;
    const int a = std::max(0, int(std::floor(first)));
    const int b = std::min(int(kSpectrumBins) - 1, int(std::floor(last)));
    const double perBin = mw / (last - first);
    for (int i = a; i <= b; ++i) {
        const double overlap = std::min(last, i + 1.0) - std::max(first, double(i));
        if (overlap > 0)
            bins[size_t(i)] += perBin * overlap;
    }
}

// A single frequency: the analyser's window spreads it over about three bins.
void addLine(std::array<double, kSpectrumBins>& bins, const SpectrumGeometry& g, double hz,
             double mw) {
    if (mw <= 0)
        return;
    const double x = (hz - g.leftHz()) / g.binHz - 1; // fractional bin index
    const int centre = int(std::lround(x));
    double weights[5];
    double sum = 0;
    for (int d = -2; d <= 2; ++d) {
        const double r = (centre + d - x) / 1.6;
        weights[d + 2] = std::abs(r) < 1 ? (1 - r * r) * (1 - r * r) : 0;
        sum += weights[d + 2];
    }
    for (int d = -2; d <= 2; ++d) {
        const int i = centre + d;
        if (i >= 0 && i < int(kSpectrumBins) && sum > 0)
            bins[size_t(i)] += mw * weights[d + 2] / sum;
    }
}

} // namespace

void SpectrumSynth::render(const BandPlan& plan, const TuningView& view, const DisplayScale& scale,
                           Filter filter, int averageExponent, double holdMs, double t,
                           std::array<uint16_t, kSpectrumBins>& bins) {
    const SpectrumGeometry g{view.tunedHz, view.binHz};
    const double noisePerBin = rf::noiseMw(view.tunedHz, view.binHz, view.frontEndGainDb);
    for (auto& p : m_power)
        p = noisePerBin * exponentialNoise();
    m_bands.fill(0);

    const double span = 1024 * view.binHz;
    const auto [first, last] =
        plan.between(int64_t(g.leftHz() - 200'000), int64_t(g.leftHz() + span + 200'000));
    for (size_t k = first; k < last; ++k) {
        const Station& s = plan.stations()[k];
        const double p = rf::dbmToMw(activity::powerDbm(s, t) + view.frontEndGainDb);
        if (p <= 0)
            continue;
        const double f = double(s.freqHz);
        switch (s.kind) {
        case StationKind::AmBroadcast:
        case StationKind::TimeSignal: {
            addLine(m_power, g, f, p);
            const double level = activity::programmeLevel(s, t);
            const double side =
                p * 0.16 * level * level * (s.kind == StationKind::TimeSignal ? 0.05 : 1);
            constexpr double kEdges[] = {100, 1000, 2500, 4500};
            constexpr double kShare[] = {0.6, 0.3, 0.1};
            for (int j = 0; j < 3; ++j) {
                addBand(m_bands, g, f + kEdges[j], f + kEdges[j + 1], side * kShare[j]);
                addBand(m_bands, g, f - kEdges[j + 1], f - kEdges[j], side * kShare[j]);
            }
            break;
        }
        case StationKind::CwBeacon:
            addLine(m_power, g, f, p);
            break;
        case StationKind::SsbVoice: {
            constexpr double kEdges[] = {300, 1000, 2000, 2700};
            constexpr double kShare[] = {0.5, 0.35, 0.15};
            for (int j = 0; j < 3; ++j) {
                if (s.upperSideband)
                    addBand(m_bands, g, f + kEdges[j], f + kEdges[j + 1], p * kShare[j]);
                else
                    addBand(m_bands, g, f - kEdges[j + 1], f - kEdges[j], p * kShare[j]);
            }
            break;
        }
        case StationKind::FmBroadcast:
            addBand(m_bands, g, f - 90'000, f - 40'000, p * 0.2);
            addBand(m_bands, g, f - 40'000, f + 40'000, p * 0.6);
            addBand(m_bands, g, f + 40'000, f + 90'000, p * 0.2);
            break;
        case StationKind::NfmVoice:
            addBand(m_bands, g, f - 6000, f + 6000, p);
            break;
        }
    }

    // Modulation is not a steady carrier: each bin of it flickers from line to line.
    for (size_t i = 0; i < kSpectrumBins; ++i)
        if (m_bands[i] > 0)
            m_power[i] += m_bands[i] * (0.3 + 0.7 * exponentialNoise());

    // A new tuning, resolution or filter starts the processing afresh.
    const bool fresh = !m_primed || filter != m_lastFilter || view.tunedHz != m_lastTunedHz ||
                       view.binHz != m_lastBinHz;
    const bool holdExpired = t - m_holdStart >= holdMs / 1000;
    if (fresh || ((filter == Filter::MaxHold || filter == Filter::MinHold) && holdExpired))
        m_holdStart = t;
    const double alpha = 1.0 / double(1 << std::clamp(averageExponent, 0, 10));
    for (size_t i = 0; i < kSpectrumBins; ++i) {
        const double db = rf::mwToDbm(m_power[i]);
        double& out = m_db[i];
        if (fresh || (holdExpired && filter != Filter::Average)) {
            out = db;
            continue;
        }
        switch (filter) {
        case Filter::Off:
            out = db;
            break;
        case Filter::Average:
            out += (db - out) * alpha;
            break;
        case Filter::MaxHold:
            out = std::max(out, db);
            break;
        case Filter::MinHold:
            out = std::min(out, db);
            break;
        }
    }
    m_primed = true;
    m_lastFilter = filter;
    m_lastTunedHz = view.tunedHz;
    m_lastBinHz = view.binHz;
    for (size_t i = 0; i < kSpectrumBins; ++i)
        bins[i] = scale.rowOf(m_db[i]);
}

} // namespace talix::sim
