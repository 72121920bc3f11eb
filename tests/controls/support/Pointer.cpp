#include "Pointer.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace talix::controls::testing {

namespace {
// The view that draws the widget's window scaled, if one does.
QGraphicsView* viewOf(const QWidget* w) {
    const QGraphicsProxyWidget* proxy = w->window()->graphicsProxyWidget();
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
        return nullptr;
    return proxy->scene()->views().first();
}
QWindow* windowOf(QWidget* w) {
    if (QGraphicsView* view = viewOf(w))
        return view->window()->windowHandle();
    return w->window()->windowHandle();
}
// The pixel of the top-level window that shows the point; the pointer moves in whole pixels.
QPoint inWindow(QWidget* w, QPointF pos) {
    QWidget* window = w->window();
    if (QGraphicsView* view = viewOf(w)) {
        const QPointF scenePoint = window->graphicsProxyWidget()->mapToScene(w->mapTo(window, pos));
        return view->viewport()->mapTo(view->window(), view->mapFromScene(scenePoint));
    }
    return w->mapTo(window, pos.toPoint());
}
} // namespace

QPointF landing(QWidget* w, QPointF pos) {
    QWidget* window = w->window();
    if (QGraphicsView* view = viewOf(w)) {
        const QPoint inView = view->viewport()->mapFrom(view->window(), inWindow(w, pos));
        const QPointF scenePoint = view->mapToScene(inView);
        return w->mapFrom(window, window->graphicsProxyWidget()->mapFromScene(scenePoint));
    }
    return QPointF(pos.toPoint());
}

void showAndExpose(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window, 10000))
        qWarning("window not exposed");
}

void press(QWidget* w, QPointF pos) {
    QTest::mousePress(windowOf(w), Qt::LeftButton, {}, inWindow(w, pos));
}

void moveTo(QWidget* w, QPointF pos) {
    // The move carries the buttons still held from the last press.
    QTest::mouseMove(windowOf(w), inWindow(w, pos));
}

void release(QWidget* w, QPointF pos) {
    QTest::mouseRelease(windowOf(w), Qt::LeftButton, {}, inWindow(w, pos));
}

void click(QWidget* w, QPointF pos) {
    QTest::mouseClick(windowOf(w), Qt::LeftButton, {}, inWindow(w, pos));
}

void doubleClick(QWidget* w, QPointF pos) {
    QTest::mouseDClick(windowOf(w), Qt::LeftButton, {}, inWindow(w, pos));
}

void wheel(QWidget* w, QPointF pos, int deltaY, int deltaX) {
    // Delivered as the window system does: to the widget under the point, then on to its parents
    // until one accepts it.
    QWidget* window = w->window();
    const QPointF inTop = w->mapTo(window, pos);
    QWidget* target = window->childAt(inTop.toPoint());
    if (!target)
        target = window;
    for (QWidget* at = target; at; at = at->isWindow() ? nullptr : at->parentWidget()) {
        const QPointF local = at->mapFrom(window, inTop);
        QWheelEvent e(local, at->mapToGlobal(local), QPoint(), QPoint(deltaX, deltaY), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(at, &e);
        if (e.isAccepted())
            break;
    }
}

QPointingDevice* touchScreen() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

void touchPress(QWidget* w, QPointF pos) {
    QTest::touchEvent(windowOf(w), touchScreen()).press(0, inWindow(w, pos));
}

void touchMove(QWidget* w, QPointF pos) {
    QTest::touchEvent(windowOf(w), touchScreen()).move(0, inWindow(w, pos));
}

void touchRelease(QWidget* w, QPointF pos) {
    QTest::touchEvent(windowOf(w), touchScreen()).release(0, inWindow(w, pos));
}

QPointF centreIn(const QWidget* child, const QWidget* w) {
    return QPointF(child->mapTo(w, child->rect().center()));
}

} // namespace talix::controls::testing
