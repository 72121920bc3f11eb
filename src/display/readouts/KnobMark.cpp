#include "display/readouts/KnobMark.h"

#include <cmath>

namespace talix::display {

QRectF knobMarkRect(const QRectF& knob, const QSizeF& mark, double angle) {
    const double rx = (knob.width() - mark.width()) / 2;
    const double ry = (knob.height() - mark.height()) / 2;
    const double x = knob.x() + rx + std::cos(angle) * rx;
    const double y = knob.y() + ry - std::sin(angle) * ry;
    return QRectF(x, y, mark.width(), mark.height());
}

} // namespace talix::display
