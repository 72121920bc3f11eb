#include "display/WaterfallPicture.h"

#include <QPainter>

namespace talix::display {

void WaterfallPicture::paint(QPainter& p, const WaterfallImage& image) {
    // The one-pixel outline as four fills: stroked with a pen, it costs more than the picture.
    const QColor yellow = QColor::fromRgba(0xFFFFFF00);
    p.fillRect(QRect(0, 0, kWidth, 1), yellow);
    p.fillRect(QRect(0, kHeight - 1, kWidth, 1), yellow);
    p.fillRect(QRect(0, 1, 1, kHeight - 2), yellow);
    p.fillRect(QRect(kWidth - 1, 1, 1, kHeight - 2), yellow);
    image.paint(p, kInside.topLeft());
}

} // namespace talix::display
