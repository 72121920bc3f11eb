#pragma once

#include <QRectF>
#include <QSizeF>
#include <numbers>

namespace talix::display {

// The tuning knob S_Geber on the main window and the size of its position mark S_Pitch.
constexpr QRectF kKnobRect(1560, 847, 348, 348);
constexpr QSizeF kKnobMarkSize(73, 74);
// The mark starts at the bottom of the knob.
constexpr float kKnobStartAngle = float(3 * std::numbers::pi / 2);

// The rectangle of the knob's position mark for an angle in radians (0 to the right of the centre,
// growing counter-clockwise on screen): the mark runs on a circle inside the knob's edge.
QRectF knobMarkRect(const QRectF& knob, const QSizeF& mark, double angle);

} // namespace talix::display
