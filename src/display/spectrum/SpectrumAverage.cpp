#include "display/spectrum/SpectrumAverage.h"

namespace talix::display {

bool SpectrumAverage::add(const SpectrumBins& line, int dividerIndex, SpectrumBins& mean) {
    ++m_frameCount;
    if (dividerIndex > 0 && m_frameCount <= uint32_t(dividerIndex)) {
        for (int i = 0; i < kSpectrumBins; ++i)
            m_accum[i] += line[i];
        return false;
    }
    for (int i = 0; i < kSpectrumBins; ++i) {
        mean[i] = uint16_t((line[i] + m_accum[i]) / m_frameCount);
        m_accum[i] = 0;
    }
    m_frameCount = 0;
    return true;
}

} // namespace talix::display
