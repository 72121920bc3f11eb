#pragma once

#include <QPointF>
#include <QWidget>

namespace talix::display {

// Base of the spectrum and the waterfall panels: both pass touches and drags to the tuning
// handlers, in the panel's own coordinates.
class SpectrumTouchPanel : public QWidget {
    Q_OBJECT
public:
    explicit SpectrumTouchPanel(QWidget* parent);

signals:
    void mouseDown(QPointF pos);
    // Every move over the panel; `dragging` while a button or a finger is down.
    void mouseMove(QPointF pos, bool dragging);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace talix::display
