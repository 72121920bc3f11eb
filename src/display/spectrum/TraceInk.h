#pragma once

#include <QRect>
#include <QRgb>
#include <vector>

class QPainter;

namespace talix::display {

// How the trace is inked: the colour of each part, the fill at the part's brightness and the
// outline opaque, both as rectangles.
constexpr QRgb kOutsideColour = 0xFFFFC0CB; // pink
constexpr QRgb kInsideColour = 0xFFFFFF00;  // yellow

// A brightness in percent as an opacity.
double opacityOf(int percent);

// Fills `fill` at the brightness's opacity (not at all at 0), then `outline` opaque, in `colour`.
// `banded` is scratch space that keeps its capacity.
void inkTracePart(QPainter& painter, const std::vector<QRect>& fill,
                  const std::vector<QRect>& outline, QRgb colour, int brightness,
                  std::vector<QRect>& banded);

} // namespace talix::display
