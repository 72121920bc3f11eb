#include "display/WaterfallPicture.h"

#include <QPainter>

namespace talix::display {

void WaterfallPicture::paint(QPainter& p, const WaterfallImage& image) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor::fromRgba(0xFFFFFF00), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    image.paint(p, QPoint(1, 1));
    p.restore();
}

} // namespace talix::display
