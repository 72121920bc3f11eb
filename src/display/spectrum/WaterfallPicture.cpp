#include "display/spectrum/WaterfallPicture.h"

#include "base/Palette.h"

#include <QPainter>

namespace talix::display {

void WaterfallPicture::paint(QPainter& p, const WaterfallImage& image) {
    paint(p, image, QRect(0, 0, kWidth, kHeight));
}

void WaterfallPicture::paint(QPainter& p, const WaterfallImage& image, const QRegion& area) {
    // The outline never changes, and stroking it costs half as much as copying the picture: a
    // repaint of the picture alone leaves it out.
    if (!(area - kInside).isEmpty()) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor::fromRgba(kYellow), 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
        p.restore();
    }
    image.paint(p, kInside.topLeft());
}

} // namespace talix::display
