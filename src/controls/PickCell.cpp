#include "controls/PickCell.h"

#include "display/WidgetColours.h"

#include <QMouseEvent>
#include <QPainter>

namespace talix::controls {

PickCell::PickCell(QWidget* form, QRect box, QColor outline) : QWidget(form), m_outline(outline) {
    setGeometry(box);
    setAttribute(Qt::WA_NoSystemBackground);
}

void PickCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(m_outline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void PickCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void PickCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit tapped();
}

QFont pickListFont(int pixels, bool semibold) {
    QFont f;
    f.setPixelSize(pixels);
    if (semibold)
        f.setWeight(QFont::DemiBold);
    return f;
}

QLabel* cellLabel(QWidget* form, const QString& text, QRect box, int fontPixels, QColor colour) {
    auto* label = new QLabel(text, form);
    label->setGeometry(box);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(pickListFont(fontPixels));
    display::setTextColour(label, colour);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace talix::controls
