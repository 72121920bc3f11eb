#include "controls/DigitTrianglePaint.h"

#include "base/Palette.h"
#include "controls/StepDigit.h"

#include <QPainter>
#include <QPolygonF>
#include <QWidget>

namespace talix::controls {

void paintDigitTriangle(QWidget* panel9, int tuneDigit) {
    const QRect r = panel9->rect();
    const auto corners = digitTriangle(tuneDigit, r.width(), r.height());
    QPolygonF triangle;
    for (const PointF& p : corners)
        triangle << QPointF(p.x, p.y);
    QPainter painter(panel9);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(kYellow));
    painter.drawPolygon(triangle);
}

} // namespace talix::controls
