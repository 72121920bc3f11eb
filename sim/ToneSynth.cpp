#include "sim/ToneSynth.h"

#include <cmath>

namespace talix::sim {

ToneSynth::ToneSynth(double hz, double sampleRate, int16_t amplitude)
    : m_step(hz / sampleRate), m_amplitude(amplitude) {}

void ToneSynth::render(int16_t* out, int pairs) {
    constexpr double kTwoPi = 6.283185307179586;
    for (int i = 0; i < pairs; ++i) {
        const auto sample = int16_t(std::lround(m_amplitude * std::sin(kTwoPi * m_phase)));
        out[2 * i] = sample;
        out[2 * i + 1] = sample;
        m_phase += m_step;
        m_phase -= std::floor(m_phase);
    }
}

} // namespace talix::sim
