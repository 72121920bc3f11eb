#include "display/spectrum/TraceInk.h"

#include "display/spectrum/RasterBands.h"

#include <QPainter>
#include <algorithm>

namespace talix::display {

namespace {

void fillRects(QPainter& p, const std::vector<QRect>& rects, std::vector<QRect>& banded) {
    banded.clear();
    appendInBands(rects, banded);
    p.drawRects(banded.data(), int(banded.size()));
}

} // namespace

double opacityOf(int percent) {
    return std::clamp(percent, 0, 100) / 100.0;
}

void inkTracePart(QPainter& p, const std::vector<QRect>& fill, const std::vector<QRect>& outline,
                  QRgb colour, int brightness, std::vector<QRect>& banded) {
    p.setPen(Qt::NoPen);
    if (brightness != 0 && !fill.empty()) {
        p.setOpacity(opacityOf(brightness));
        p.setBrush(QColor::fromRgba(colour));
        fillRects(p, fill, banded);
        p.setOpacity(1);
    }
    p.setBrush(QColor::fromRgba(colour));
    fillRects(p, outline, banded);
}

} // namespace talix::display
