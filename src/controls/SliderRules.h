#pragma once

#include <cstdint>

namespace talix::controls {

// Above 174 MHz (0.1 Hz units) the attenuator has only the positions 0 and 20.
constexpr int32_t kAttenuatorSnapFreq = 1'740'000'000;

struct WaterfallRange {
    int high; // TBWFH
    int low;  // TBWFL
};

// Keeps the waterfall range ordered after the user moved one end: the moved end gives way, so
// high stays above low. Returns the range with the moved end corrected.
WaterfallRange orderWaterfallRange(WaterfallRange range, bool highMoved);

// The attenuator position the user's move ends at: above 174 MHz it snaps to 20 from 10 on and
// to 0 below.
int snapAttenuator(int position, int32_t tunedFreq);

} // namespace talix::controls
