#pragma once

#include "sim/BandPlan.h"
#include "sim/Programme.h"
#include "sim/SineTable.h"
#include "sim/TuningView.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace talix::sim {

constexpr double kSampleRate = 40960;

// What the receiver's loudspeaker plays: the demodulated stations in the passband and the noise,
// after the automatic gain. Every oscillator keeps its phase from one frame to the next and every
// amplitude change is ramped over a control block, so the stream has no clicks at frame edges.
class AudioSynth {
public:
    explicit AudioSynth(uint32_t seed);

    // Renders `pairs` stereo sample pairs (left, right) starting at sample `clock`.
    void render(const BandPlan& plan, const TuningView& view, uint64_t clock, int16_t* out,
                int pairs);

    static constexpr int kBlock = 64; // samples per control update

private:
    // Two oscillators per programme slot (upper and lower sideband) and one for the carrier.
    static constexpr int kVoices = 2 * kProgrammeSlots + 1;
    struct Voice {
        uint32_t phase = 0;
        uint32_t increment = 0;
        float amp = 0;
        float target = 0;
        float pan = 0.5f;
    };
    struct StationVoices {
        std::array<Voice, kVoices> voice{};
        float noise = 0, noiseTarget = 0;
        bool seen = false;
    };

    void updateTargets(const BandPlan& plan, const TuningView& view, double t);
    float nextNoise();

    SineTable m_sine;
    std::unordered_map<size_t, StationVoices> m_stations;
    uint64_t m_noiseState;
    float m_noiseLow = 0; // one-pole low-pass state of the hiss
    float m_hiss = 0, m_hissTarget = 0;
    float m_squelch = 1, m_squelchTarget = 1;
    float m_noiseCutoff = 0.5f; // low-pass coefficient for the current bandwidth
};

} // namespace talix::sim
