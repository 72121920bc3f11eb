#include "app/support/ScreenPixels.h"

#include <QColor>
#include <QWidget>

namespace talix::testing {

QImage onScreen(const QWidget* control) {
    QWidget* window = control->window();
    const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
    return window->grab(place).toImage().convertToFormat(QImage::Format_RGB32);
}

int pixelsOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

QColor centreOf(const QImage& image) {
    return QColor(image.pixel(image.width() / 2, image.height() / 2));
}

} // namespace talix::testing
