#pragma once

#include "base/Palette.h"

#include <QRect>
#include <QRgb>
#include <vector>

class QPainter;

namespace talix::display {

// How the trace is inked: the colour of each part, the fill at the part's brightness and the
// outline opaque, both as rectangles.
constexpr QRgb kOutsideColour = kPink;
constexpr QRgb kInsideColour = kYellow;

// A brightness in percent as an opacity.
double opacityOf(int percent);

// Fills `fill` at the brightness's opacity (not at all at 0), then `outline` opaque, in `colour`.
// `banded` is scratch space that keeps its capacity.
void inkTracePart(QPainter& painter, const std::vector<QRect>& fill,
                  const std::vector<QRect>& outline, QRgb colour, int brightness,
                  std::vector<QRect>& banded);

} // namespace talix::display
