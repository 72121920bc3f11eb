#include "controls/BandwidthLabels.h"

#include "base/Bandwidths.h"

namespace talix::controls {

std::array<std::string_view, 15> bandwidthLabels(int modeIndex, bool fullFmList) {
    std::array<std::string_view, 15> labels{};
    if (modeIndex == board::kModeFmWide) {
        for (size_t code = 0; code < std::size(board::kFmWideBandwidths); ++code) {
            const board::FmWideBandwidth& b = board::kFmWideBandwidths[code];
            if (fullFmList || !b.fullListOnly)
                labels[code] = b.label;
        }
        return labels;
    }
    const auto list = board::bandwidthList(modeIndex);
    for (size_t p = 0; p < list.size() && p < labels.size(); ++p)
        labels[p] = list[p].label;
    return labels;
}

} // namespace talix::controls
