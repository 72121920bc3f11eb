#include "controls/ArrowIndicator.h"

#include "base/Palette.h"

#include <QPainter>
#include <QPainterPath>

namespace talix::controls {

ArrowIndicator::ArrowIndicator(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ArrowIndicator::setRotation(int degrees) {
    if (degrees == m_rotation)
        return;
    m_rotation = degrees;
    update();
}

void ArrowIndicator::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    p.rotate(-m_rotation); // the painter turns clockwise
    const double r = std::min(width(), height()) / 2.0 - 2;
    QPainterPath arrow;
    arrow.moveTo(r, 0);
    arrow.lineTo(0, -r * 0.8);
    arrow.lineTo(0, -r * 0.35);
    arrow.lineTo(-r, -r * 0.35);
    arrow.lineTo(-r, r * 0.35);
    arrow.lineTo(0, r * 0.35);
    arrow.lineTo(0, r * 0.8);
    arrow.closeSubpath();
    p.fillPath(arrow, QColor::fromRgba(kYellow));
}

} // namespace talix::controls
