#include "display/spectrum/SpectrumThreshold.h"

#include "display/spectrum/SpectrumLine.h"

#include <algorithm>
#include <cstdint>

namespace talix::display {

int thresholdRowFor(const SpectrumSettings& s) {
    const int64_t q = s.dbPerDiv;
    if (q <= 1)
        return 0;
    const int64_t t = s.threshold;
    const int64_t c = 20 / q;
    // 64-bit: TopLevel is a 32-bit field whatever the board puts in it.
    int64_t row = c * (t + 2 * (190 - int64_t(s.topLevel))) - kDisplayRows * c + kDisplayRows;
    if (t != 0 && s.levelsInDbMicroVolt())
        row -= 520 / q;
    return int(std::clamp<int64_t>(row, 0, kDisplayRows - 1));
}

} // namespace talix::display
