#include "SettingsProbe.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace talix::settings::testing {

SettingsProbe::SettingsProbe() {
    queue.setFullNotifier([this] { messages.push_back(QStringLiteral("No WiFi Connection!")); });
    mainWindow.setGeometry(0, 0, 1920, 1200);
}

void SettingsProbe::applyControlChange(const sync::ControlChange& change) {
    mainTexts[change.control] = change.text;
}

std::vector<link::Command> SettingsProbe::drain() {
    return queue.takeCommands();
}

void SettingsProbe::fillTo(size_t count) {
    while (queue.waiting() < count)
        queue.QueueCommand({0xEE}, link::LimitRule::None);
}

void showAndExpose(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window, 10000))
        qWarning("window not exposed");
}

void click(QWidget* w, QPointF pos) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {},
                      w->mapTo(w->window(), pos.toPoint()));
}

void press(QWidget* w, QPointF pos) {
    QTest::mousePress(w->window()->windowHandle(), Qt::LeftButton, {},
                      w->mapTo(w->window(), pos.toPoint()));
}

void moveTo(QWidget* w, QPointF pos) {
    QTest::mouseMove(w->window()->windowHandle(), w->mapTo(w->window(), pos.toPoint()));
}

void release(QWidget* w, QPointF pos) {
    QTest::mouseRelease(w->window()->windowHandle(), Qt::LeftButton, {},
                        w->mapTo(w->window(), pos.toPoint()));
}

void tap(QWidget* w) {
    click(w, QPointF(w->rect().center()));
}

void wheelOver(QWidget* w, int deltaY) {
    // Delivered as the window system does: to the widget under the point, then on to its parents
    // until one accepts it.
    QWidget* window = w->window();
    const QPointF inTop = w->mapTo(window, QPointF(w->rect().center()));
    QWidget* target = window->childAt(inTop.toPoint());
    if (!target)
        target = window;
    for (QWidget* at = target; at; at = at->isWindow() ? nullptr : at->parentWidget()) {
        const QPointF local = at->mapFrom(window, inTop);
        QWheelEvent e(local, at->mapToGlobal(local), QPoint(), QPoint(0, deltaY), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(at, &e);
        if (e.isAccepted())
            break;
    }
}

} // namespace talix::settings::testing
