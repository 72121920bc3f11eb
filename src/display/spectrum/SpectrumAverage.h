#pragma once

#include "display/spectrum/SpectrumLine.h"

#include <array>
#include <cstdint>

namespace talix::display {

// The averaging cycle of the display rate divider: with divider index d (0..3) every (d + 1)-th
// line is shown as the integer mean of the last d + 1 lines. A change of d takes effect at the next
// line; a cycle already longer than the new d ends with that line.
class SpectrumAverage {
public:
    // Adds one line. Returns false while the cycle is still collecting; returns true when this line
    // ends the cycle, with `mean` holding the cycle's average, and starts the next cycle.
    bool add(const SpectrumBins& line, int dividerIndex, SpectrumBins& mean);

    // Lines collected in the current cycle.
    uint32_t frameCount() const { return m_frameCount; }

private:
    std::array<uint32_t, kSpectrumBins> m_accum{};
    uint32_t m_frameCount = 0;
};

} // namespace talix::display
