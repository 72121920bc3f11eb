#pragma once

#include "sim/AudioSynth.h"
#include "sim/BandPlan.h"
#include "sim/BoardSettings.h"
#include "sim/FrameWriter.h"
#include "sim/SpectrumSynth.h"

#include <cstdint>

namespace talix::sim {

// Each frame's audio, spectrum line and status word, from the band plan as the settings let the
// receiver hear and see it. It keeps the board's clock: one frame of audio per frame.
class FrameRenderer {
public:
    FrameRenderer(uint32_t seed, const BandPlan& plan, const BoardSettings& settings);

    // Fills the next frame (agcRow: the AGC line's row) and advances the clock by one frame.
    void render(FrameContent& content, uint16_t agcRow);

    // Board time of the next frame, seconds.
    double now() const { return double(m_sampleClock) / kSampleRate; }
    // Frames rendered so far.
    uint64_t frames() const { return m_frame; }

private:
    const BandPlan& m_plan;
    const BoardSettings& m_settings;
    AudioSynth m_audio;
    SpectrumSynth m_spectrum;
    uint64_t m_sampleClock = 0;
    uint64_t m_frame = 0;
};

} // namespace talix::sim
