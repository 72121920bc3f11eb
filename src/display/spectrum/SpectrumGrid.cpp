#include "display/spectrum/SpectrumGrid.h"

#include "display/spectrum/SpectrumLine.h"

namespace talix::display {

namespace {

constexpr double kPanelWidth = 1026;

} // namespace

float gridOffsetFor(const SpectrumSettings& s) {
    return talix::gridOffsetFor(
        GridPlace{s.binHz, s.tunedFreq, s.modeIndex, s.bandwidth, s.audioResolution});
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
