#include "controls/KnobFace.h"

#include <QLinearGradient>
#include <QPainter>

namespace talix::controls {

void KnobFace::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor::fromRgba(0xFF8E8E8E));
    g.setColorAt(1, QColor::fromRgba(0xFFCFCFCF));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace talix::controls
