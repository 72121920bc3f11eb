#pragma once

#include <array>
#include <cmath>
#include <cstdint>

namespace talix::sim {

// Sine by table with linear interpolation, driven by 32-bit phase accumulators: cheap enough for
// a few hundred oscillators per frame, and exact in phase across frames.
class SineTable {
public:
    static constexpr int kBits = 12;
    static constexpr int kSize = 1 << kBits;

    SineTable() {
        for (int i = 0; i <= kSize; ++i)
            m_table[size_t(i)] = float(std::sin(2 * 3.141592653589793 * i / kSize));
    }
    float operator()(uint32_t phase) const {
        const uint32_t index = phase >> (32 - kBits);
        const float frac =
            float(phase & ((1u << (32 - kBits)) - 1)) * (1.0f / (1u << (32 - kBits)));
        return m_table[index] + (m_table[index + 1] - m_table[index]) * frac;
    }
    // Phase increment per sample for a frequency at a sample rate.
    static uint32_t increment(double hz, double sampleRate) {
        double cycles = hz / sampleRate;
        cycles -= std::floor(cycles);
        return uint32_t(cycles * 4294967296.0);
    }

private:
    std::array<float, kSize + 1> m_table{};
};

} // namespace talix::sim
