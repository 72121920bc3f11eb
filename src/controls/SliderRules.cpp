#include "controls/SliderRules.h"

namespace talix::controls {

namespace {
constexpr int kAttenuatorSnapThreshold = 10;
constexpr int kAttenuatorHigh = 20;
} // namespace

WaterfallRange orderWaterfallRange(WaterfallRange range, bool highMoved) {
    if (range.high <= range.low) {
        if (highMoved)
            range.high = range.low + 1;
        else
            range.low = range.high - 1;
    }
    return range;
}

int snapAttenuator(int position, int32_t tunedFreq) {
    if (tunedFreq < kAttenuatorSnapFreq)
        return position;
    return position >= kAttenuatorSnapThreshold ? kAttenuatorHigh : 0;
}

} // namespace talix::controls
