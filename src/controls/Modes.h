#pragma once

namespace talix::controls {

// Mode indexes (the board's numbering of demodulation modes) that the controls tell apart.
constexpr int kModeCw = 6;
constexpr int kModeFmNarrow = 7;
constexpr int kModeFmWide = 8;
constexpr int kModeUsbQ = 9;
constexpr int kModeLsbQ = 25;
constexpr int kModeDigi = 41;

} // namespace talix::controls
