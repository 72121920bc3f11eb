#include "display/spectrum/SpectrumGrid.h"

#include "display/spectrum/SpectrumLine.h"

namespace talix::display {

namespace {

constexpr float kGridBinHz = 160.0f;
constexpr int32_t kTenMegahertz = 100'000'000; // 0.1 Hz units
constexpr double kPanelWidth = 1026;

// Offsets that depend on the audio resolution: for a = 4, for a = 8, for anything else.
float byResolution(int32_t a, float four, float eight, float other) {
    return a == 4 ? four : a == 8 ? eight : other;
}

// The quadrature modes' offset: a step by bandwidth class.
float byBandwidthQ(uint16_t b) {
    return b < 3000 ? -8.0f : b < 6000 ? -16.0f : -32.0f;
}

} // namespace

float gridOffsetFor(const SpectrumSettings& s) {
    float o = kRestingGridOffset;
    if (s.binHz != kGridBinHz)
        return o;
    const int32_t a = s.audioResolution;
    const uint16_t b = s.bandwidth;
    switch (s.modeIndex) {
    case 0: // SYNC
    case 1: // DSB
        o += byResolution(a, -112, -96, -64);
        break;
    case 2: // LSB
        o += byResolution(a, -96, -64, 0);
        break;
    case 3: // USB
    case 6: // CW
        o -= 128;
        break;
    case 5: // SBCW
        o += s.tunedFreq >= kTenMegahertz ? -128 : byResolution(a, -96, -64, 0);
        break;
    case 7:  // FM-N
    case 10: // DSBQ
    case 11: // AM-E
        o += b < 6000 ? -16 : b < 12000 ? -32 : -64;
        break;
    case 9: // USBQ
        o += byBandwidthQ(b) - float(b / 320);
        break;
    case 25: // LSBQ
        o += byBandwidthQ(b) + float(b / 320);
        break;
    case 41: // DIGI
        o -= float(b / 62.5);
        break;
    default:
        break;
    }
    return o;
}

double traceShift(const SpectrumSettings& s, float gridOffset) {
    return s.gridFollowsPassband() ? 0.0 : double(kRestingGridOffset) - double(gridOffset);
}

SpectrumGrid buildSpectrumGrid(const SpectrumSettings& s) {
    SpectrumGrid g;
    g.gridOffset = gridOffsetFor(s);
    const double o = s.gridFollowsPassband() ? double(g.gridOffset) : double(kRestingGridOffset);
    // The offset is bounded (a 16-bit bandwidth moves it by at most about 1050 pixels), so this
    // loop runs a few dozen times at most.
    for (int k = 0;; ++k) {
        const double x = kBinsPerDivision * k + o;
        if (x >= kPanelWidth)
            break;
        if (x > 2 && x < 1023) {
            g.gridPath.moveTo(x, 1.5);
            g.gridPath.lineTo(x, 319.5);
        }
        QPainterPath* ticks = k % 2 == 0 ? (x >= 0 ? &g.tickPathEven : nullptr) : &g.tickPathOdd;
        if (ticks) {
            ticks->moveTo(x, 0.5);
            ticks->lineTo(x, 7.5);
        }
    }
    for (int j = 1; j < kDisplayRows / kRowsPerDivision; ++j) {
        const double y = kRowsPerDivision * j + 1.5;
        g.gridPath.moveTo(1.5, y);
        g.gridPath.lineTo(1024.5, y);
    }
    return g;
}

QPainterPath buildMarkerPath(const SpectrumSettings& s, float gridOffset) {
    const double lo = double(s.markerLo) + 0.5;
    const double hi = double(s.markerHi) + 0.5;
    QPainterPath p;
    p.moveTo(lo, kBottomY);
    p.lineTo(lo, 0.5);
    p.lineTo(hi, 0.5);
    p.lineTo(hi, kBottomY);
    p.closeSubpath();
    if (!s.gridFollowsPassband())
        p.translate(traceShift(s, gridOffset), 0);
    return p;
}

} // namespace talix::display
