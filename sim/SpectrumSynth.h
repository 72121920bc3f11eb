#pragma once

#include "sim/BandPlan.h"
#include "sim/FrameWriter.h"
#include "sim/TuningView.h"

#include <array>
#include <chrono>
#include <cstdint>

namespace talix::sim {

// Vertical scale of the spectrum display: the level at its top and dB per division (8 divisions
// of 40 pixels).
struct DisplayScale {
    double topDbm = -40;
    double dbPerDiv = 10;

    double bottomDbm() const { return topDbm - 8 * dbPerDiv; }
    // Height in pixels above the bottom of a level, limited to the 9 bits of a bin.
    uint16_t rowOf(double dbm) const;
};

// Spectrum line geometry: 1024 bins of binHz centred on the tuned frequency. Bin i stands for
// the frequency left + (i + 1) x binHz, where the program's tap at the middle of the bin lands.
struct SpectrumGeometry {
    int64_t tunedHz = 0;
    double binHz = 100;

    double leftHz() const { return double(tunedHz) - 512 * binHz; }
    double binCentreHz(int bin) const { return leftHz() + (bin + 1) * binHz; }
    int binOf(double hz) const;
    // First bin inside the passband and first bin after it (relative offsets in Hz).
    int passbandLo(double lowHz) const;
    int passbandHi(double highHz) const;
};

// The board's spectrum analyser: the antenna's signals and noise around the tuned frequency,
// one line per frame, with the averaging and hold modes of the spectrum filter button.
class SpectrumSynth {
public:
    enum class Filter { Off, Average, MaxHold, MinHold };

    explicit SpectrumSynth(uint32_t seed);

    void render(const BandPlan& plan, const TuningView& view, const DisplayScale& scale,
                Filter filter, int averageExponent, double holdMs, double t,
                std::array<uint16_t, kSpectrumBins>& bins);

private:
    double exponentialNoise();

    uint64_t m_noiseState;
    std::array<double, kSpectrumBins> m_power{}; // mW per bin: noise and carriers
    std::array<double, kSpectrumBins> m_bands{}; // mW per bin: modulation, which flickers
    std::array<double, kSpectrumBins> m_db{};    // processed line, dBm
    bool m_primed = false;
    Filter m_lastFilter = Filter::Off;
    int64_t m_lastTunedHz = 0;
    double m_lastBinHz = 0;
    double m_holdStart = 0;
};

} // namespace talix::sim
