#include "controls/WindowWheel.h"

#include <QApplication>

namespace talix::controls {

WindowWheel::WindowWheel(QWidget* window, WheelHandler handler)
    : m_window(window), m_handler(std::move(handler)) {
    // Wheel events go to the widget under the pointer; only the application sees them all.
    qApp->installEventFilter(this);
}

WindowWheel::~WindowWheel() {
    qApp->removeEventFilter(this);
}

bool WindowWheel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return false;
    if (static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    forwardWheel(wheel, m_handler);
    // Accepted as well as filtered: an ignored wheel event would travel on to the parents.
    wheel->accept();
    return true;
}

} // namespace talix::controls
