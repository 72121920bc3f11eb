#include "display/spectrum/WaterfallColour.h"

#include <algorithm>

namespace talix::display {

namespace {
constexpr int kRampTop = 320;
constexpr int kRampStep = 80;
} // namespace

WaterfallRgb waterfallRamp(int v) {
    v = std::clamp(v, 0, kRampTop);
    if (v <= 80)
        return {0, 255 * v / kRampStep, 255};
    if (v <= 160)
        return {0, 255, 255 * (160 - v) / kRampStep};
    if (v <= 240)
        return {255 * (v - 161) / kRampStep, 255, 0};
    return {255, 255 * (320 - v) / kRampStep, 0};
}

WaterfallRgb waterfallColour(int v, int low, int high) {
    const int level = std::max(v, 0) / 2;
    if (level <= low)
        return {};
    const WaterfallRgb c = waterfallRamp(v);
    // Integer scaling gives the exact truncation of channel * (level - low) / (high - low).
    const int64_t num = int64_t(level) - low;
    const int64_t den = int64_t(high) - low;
    if (den <= 0 || num >= den)
        return c;
    return {int(c.red * num / den), int(c.green * num / den), int(c.blue * num / den)};
}

void WaterfallPalette::setWindow(int low, int high) {
    if (low == m_low && high == m_high)
        return;
    m_low = low;
    m_high = high;
    rebuild();
}

void WaterfallPalette::rebuild() {
    for (int v = 0; v <= kBinValueMax; ++v) {
        const WaterfallRgb c = waterfallColour(v, m_low, m_high);
        m_colours[v] = qRgb(c.red, c.green, c.blue);
    }
}

} // namespace talix::display
