#include "display/WidgetColours.h"

#include <QPalette>
#include <QWidget>

namespace talix::display {

namespace {
void setColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
}
} // namespace

void setFillColour(QWidget* widget, QColor fill) {
    widget->setAutoFillBackground(true);
    setColour(widget, QPalette::Window, fill);
}

void setTextColour(QWidget* widget, QColor colour) {
    setColour(widget, QPalette::WindowText, colour);
}

} // namespace talix::display
