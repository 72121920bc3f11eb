#pragma once

#include <QPoint>
#include <QPointF>
#include <QWidget>

class QPointingDevice;

namespace talix::controls::testing {

// Input as the window system delivers it: through the top-level window, so that Qt finds the
// widget under the point, synthesises mouse events from touches and makes double clicks.
// Positions are in the coordinates of the widget given.

// Shows the widget's window and waits until it is exposed.
void showAndExpose(QWidget* window);

void press(QWidget* w, QPointF pos);
// A move carries the buttons still held since the last press.
void moveTo(QWidget* w, QPointF pos);
void release(QWidget* w, QPointF pos);
void click(QWidget* w, QPointF pos);
void doubleClick(QWidget* w, QPointF pos);
void wheel(QWidget* w, QPointF pos, int deltaY, int deltaX = 0);

// A touch screen, and one finger on it.
QPointingDevice* touchScreen();
void touchPress(QWidget* w, QPointF pos);
void touchMove(QWidget* w, QPointF pos);
void touchRelease(QWidget* w, QPointF pos);

// Where a pointer aimed at `pos` of the widget lands: on a whole pixel of the screen, which is more
// than one layout pixel when the layout is drawn scaled down.
QPointF landing(QWidget* w, QPointF pos);

// The centre of a child in the coordinates of widget w.
QPointF centreIn(const QWidget* child, const QWidget* w);

} // namespace talix::controls::testing
