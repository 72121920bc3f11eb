#pragma once

#include "display/SpectrumLine.h"

#include <QPainterPath>

namespace talix::display {

// The filled trace of one shown line: the part outside the passband and the part inside it. Each
// bin adds at most three segments; the paths are rebuilt in place for every shown line.
struct SpectrumTrace {
    QPainterPath outsidePath;
    QPainterPath insidePath;
};

// Number of bins drawn when the trace is moved right by `shift`: the bins that still fit into the
// 1024 columns.
int shownBinCount(double shift);

// Builds both paths from the line's values, moved right by `shift`. passbandLo is the first bin
// inside the passband, passbandHi the first bin after it; an empty passband leaves the whole
// trace outside.
void buildSpectrumTrace(const SpectrumBins& values, int passbandLo, int passbandHi, double shift,
                        SpectrumTrace& trace);

} // namespace talix::display
