#include "dab/ServiceCells.h"

#include <QPainter>

namespace talix::dab {

ServiceCells::ServiceCells(QWidget* form, QRect box, int rowHeight)
    : QWidget(form), m_rowHeight(rowHeight) {
    setGeometry(box);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ServiceCells::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    if (m_rowHeight <= 0)
        return;
    for (int y = m_rowHeight; y < height() - 1; y += m_rowHeight)
        p.drawLine(QPointF(0, y + 0.5), QPointF(width(), y + 0.5));
}

} // namespace talix::dab
