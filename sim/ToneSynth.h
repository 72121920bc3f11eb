#pragma once

#include <cstdint>

namespace talix::sim {

// A pure sine on both channels instead of the receiver's programme, for checking what the program
// plays. The phase runs on from one frame to the next, so the stream is one continuous tone.
class ToneSynth {
public:
    ToneSynth(double hz, double sampleRate, int16_t amplitude);

    // Renders `pairs` stereo sample pairs (left, right).
    void render(int16_t* out, int pairs);

private:
    double m_step;      // cycles per sample
    double m_phase = 0; // cycles, 0 <= m_phase < 1
    int16_t m_amplitude;
};

} // namespace talix::sim
