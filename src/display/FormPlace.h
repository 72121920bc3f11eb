#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace talix::display {

// Where a form of `size` stands centred on `window`, in screen coordinates. The place is worked
// out in the window's own (layout) units and then mapped, so that it holds whatever scale the
// window is drawn at.
QPoint centredOn(const QWidget* window, QSize size);

} // namespace talix::display
