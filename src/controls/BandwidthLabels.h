#pragma once

#include <array>
#include <string_view>

namespace talix::controls {

// The texts of the bandwidth list's cells for a mode, position 0..14; an empty text leaves the
// cell blank (it still sends its position). In FM-W the stereo-only entries appear only with
// the full list (fullFmList, the board's BwListFlag).
std::array<std::string_view, 15> bandwidthLabels(int modeIndex, bool fullFmList);

} // namespace talix::controls
