#pragma once

#include "display/spectrum/SpectrumLine.h"

#include <QRect>
#include <vector>

namespace talix::display {

// One part of the trace (outside or inside the passband) in pixels: the outline of the step trace
// and its filled area, each a list of disjoint rectangles ready for one QPainter::drawRects call.
// The trace is a step outline of up to three segments per bin; filled as a vector path, that comb
// of some 2000 vertical edges costs Qt's scanline rasterizer over 10 ms per line, while the same
// pixels as rectangles cost a small fraction of a millisecond.
struct TracePart {
    std::vector<QRect> outline;
    std::vector<QRect> fill;
    void clear() {
        outline.clear();
        fill.clear();
    }
};

// The trace of one shown line.
struct SpectrumTrace {
    TracePart outside;
    TracePart inside;
};

// Number of bins drawn when the trace is moved right by `shift`: the bins that still fit into the
// 1024 columns.
int shownBinCount(double shift);

// Builds both parts from the line's values, moved right by `shift` (rounded to whole pixels).
// passbandLo is the first bin inside the passband, passbandHi the first bin after it; an empty
// passband leaves the whole trace outside.
//
// Geometry, in panel pixels (bin i at column c = i + shift, value v on row 320 - v): the outline
// runs along the bottom row from the passband start back to the first column, then per bin,
// with p the previous bin's value, a horizontal step of one column at the lower of p and v and a
// vertical at the change; at the passband edges it drops to the bottom row and the other part
// takes over from p; each part closes along the bottom row. Column c of the fill covers rows
// 320 - min(p, v) .. 319.
void buildSpectrumTrace(const SpectrumBins& values, int passbandLo, int passbandHi, double shift,
                        SpectrumTrace& trace);

} // namespace talix::display
