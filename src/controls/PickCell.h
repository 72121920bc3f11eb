#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace talix::controls {

// A cell of a pick-list: a rectangle with a transparent fill and a coloured outline whose Tag is
// the value it sends. Its text is a separate label laid on top that takes no taps, so a tap
// anywhere in the cell reaches the rectangle. A tap (press and release inside, by mouse or by a
// touch that Qt turns into mouse events) emits tapped().
class PickCell : public QWidget {
    Q_OBJECT
public:
    PickCell(QWidget* form, QRect box, QColor outline);

signals:
    void tapped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_outline;
    bool m_pressed = false;
};

// The label of a cell: placed on the form, centred text, taking no taps.
QLabel* cellLabel(QWidget* form, const QString& text, QRect box, int fontPixels, QColor colour);

// The font the pick-lists' texts use, at a size in pixels.
QFont pickListFont(int pixels, bool semibold = false);

} // namespace talix::controls
