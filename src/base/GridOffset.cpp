#include "base/GridOffset.h"

#include "base/BoardModes.h"

namespace talix {

namespace {

constexpr float kGridBinHz = 160.0f;
constexpr std::int32_t kTenMegahertz = 100'000'000; // 0.1 Hz units

// Offsets that depend on the audio resolution: for a = 4, for a = 8, for anything else.
float byResolution(std::int32_t a, float four, float eight, float other) {
    return a == 4 ? four : a == 8 ? eight : other;
}

// The quadrature modes' offset: a step by bandwidth class.
float byBandwidthQ(std::uint16_t b) {
    return b < 3000 ? -8.0f : b < 6000 ? -16.0f : -32.0f;
}

} // namespace

float gridOffsetFor(const GridPlace& p) {
    float o = kRestingGridOffset;
    if (p.binHz != kGridBinHz)
        return o;
    const std::int32_t a = p.audioResolution;
    const std::uint16_t b = p.bandwidth;
    switch (p.modeIndex) {
    case board::kModeSync:
    case board::kModeDsb:
        o += byResolution(a, -112, -96, -64);
        break;
    case board::kModeLsb:
        o += byResolution(a, -96, -64, 0);
        break;
    case board::kModeUsb:
    case board::kModeCw:
        o -= 128;
        break;
    case board::kModeSbcw:
        o += p.tunedFreq >= kTenMegahertz ? -128 : byResolution(a, -96, -64, 0);
        break;
    case board::kModeFmNarrow:
    case board::kModeDsbQ:
    case board::kModeAmE:
        o += b < 6000 ? -16 : b < 12000 ? -32 : -64;
        break;
    case board::kModeUsbQ:
        o += byBandwidthQ(b) - float(b / 320);
        break;
    case board::kModeLsbQ:
        o += byBandwidthQ(b) + float(b / 320);
        break;
    case board::kModeDigi:
        o -= float(b / 62.5);
        break;
    default:
        break;
    }
    return o;
}

} // namespace talix
