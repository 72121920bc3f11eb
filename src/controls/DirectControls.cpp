#include "controls/DirectControls.h"

#include <QWidget>

namespace talix::controls {

void setDirectControlsEnabled(QWidget& window, bool enabled) {
    if (!enabled) {
        QWidget* focused = window.focusWidget();
        if (focused != nullptr && focused != &window && focused->window() == &window)
            focused->clearFocus();
    }
    for (QObject* child : window.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control != nullptr && !control->isWindow())
            control->setEnabled(enabled);
    }
}

} // namespace talix::controls
