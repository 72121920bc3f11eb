#pragma once

#include "display/spectrum/SpectrumLine.h"

#include <QRgb>
#include <array>
#include <cstdint>

namespace talix::display {

struct WaterfallRgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const WaterfallRgb&) const = default;
};

// The colour ramp blue, cyan, green, yellow, red over the display height 0..320. Values above the
// display (up to 511) stay at the top of the ramp, red.
WaterfallRgb waterfallRamp(int v);

// The ramp colour of v scaled by the brightness window of the track bars: black while v div 2 is
// at or below `low`, full colour from `high` on, linear in between. A window that is empty or
// inverted (high <= low) is a hard step: full colour above `low`.
WaterfallRgb waterfallColour(int v, int low, int high);

// The waterfall colours of all bin values for one brightness window, rebuilt only when the window
// changes.
class WaterfallPalette {
public:
    WaterfallPalette() { rebuild(); }
    void setWindow(int low, int high);
    QRgb operator[](uint16_t v) const { return m_colours[v & kBinValueMax]; }

private:
    void rebuild();
    int m_low = 5;
    int m_high = 70;
    std::array<QRgb, kBinValueMax + 1> m_colours{};
};

} // namespace talix::display
