#include "update/LinkCircle.h"

#include <QPainter>

namespace talix::update {

void LinkCircle::setColour(QColor colour) {
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void LinkCircle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_colour);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace talix::update
