#pragma once

#include <QColor>

class QWidget;

namespace talix::display {

// A widget's background filled with `fill`.
void setFillColour(QWidget* widget, QColor fill);
// A widget's text in `colour`.
void setTextColour(QWidget* widget, QColor colour);

} // namespace talix::display
