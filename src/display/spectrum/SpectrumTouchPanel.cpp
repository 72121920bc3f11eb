#include "display/spectrum/SpectrumTouchPanel.h"

#include <QMouseEvent>

namespace talix::display {

SpectrumTouchPanel::SpectrumTouchPanel(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // The panels paint every pixel themselves: nothing needs clearing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SpectrumTouchPanel::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->position());
}

void SpectrumTouchPanel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(event->position(), event->buttons() != Qt::NoButton);
}

} // namespace talix::display
