#include "controls/BandwidthLabels.h"

#include "base/BoardModes.h"

namespace talix::controls {

namespace {
using Labels = std::array<std::string_view, 15>;

constexpr Labels kFmWideFull{"38k S",   "50k S",  "60k HQ",  "60k S",
                             "120k HQ", "140k S", "240k HQ", "300k HQ"};
constexpr Labels kFmWideShort{"", "50k S", "60k HQ", "", "120k HQ", "", "240k HQ", ""};
constexpr Labels kDigi{"125", "250", "500", "1,0k", "2,0k", "4,0k"};
constexpr Labels kQuadrature{"1,5k", "1,75k", "2,0k", "2,25k", "2,5k", "3,0k", "3,5k", "4,0k",
                             "4,5k", "5,0k",  "6,0k", "7,0k",  "8,0k", "9,0k", "10,0k"};
constexpr Labels kOther{"3,0k", "3,5k",  "4,0k",  "4,5k",  "5,0k",  "6,0k",  "7,0k", "8,0k",
                        "9,0k", "10,0k", "12,0k", "14,0k", "16,0k", "18,0k", "20,0k"};
} // namespace

Labels bandwidthLabels(int modeIndex, bool fullFmList) {
    switch (modeIndex) {
    case board::kModeFmWide:
        return fullFmList ? kFmWideFull : kFmWideShort;
    case board::kModeDigi:
        return kDigi;
    case board::kModeUsbQ:
    case board::kModeLsbQ:
        return kQuadrature;
    default:
        return kOther;
    }
}

} // namespace talix::controls
