#include "display/FormPlace.h"

#include <QWidget>

namespace talix::display {

QPoint centredOn(const QWidget* window, QSize size) {
    const QSize spare = window->size() - size;
    return window->mapToGlobal(QPoint(spare.width() / 2, spare.height() / 2));
}

} // namespace talix::display
