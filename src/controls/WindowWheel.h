#pragma once

#include "controls/WheelForward.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace talix::controls {

// Catches every wheel turn over a window, whichever of its controls lies under the pointer, and
// hands it to one handler. The turn is taken: no control under the pointer moves with it, and no
// parent sees it a second time.
class WindowWheel : public QObject {
    Q_OBJECT
public:
    WindowWheel(QWidget* window, WheelHandler handler);
    ~WindowWheel() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    WheelHandler m_handler;
};

} // namespace talix::controls
