#pragma once

#include <QLineEdit>
#include <cstdint>

namespace talix::memory {

// One memory line (Edit0 to Edit9): a read-only readout box that shows the board's text and
// reports presses with their position; it offers no caret, focus or context menu.
class MemoryLine : public QLineEdit {
    Q_OBJECT
public:
    MemoryLine(QWidget* form, int tag);

    void setFontColour(uint32_t argb);

signals:
    // A press at X in the line's own coordinates; only the left button (a touch arrives as one).
    void pressed(double x);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    uint32_t m_argb = 0;
};

} // namespace talix::memory
