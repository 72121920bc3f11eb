#pragma once

#include <QWidget>

namespace talix::controls {

// CB_Arrow: an arrow the board shows pointing down (rotation 270) or up (90), or hides.
class ArrowIndicator : public QWidget {
public:
    explicit ArrowIndicator(QWidget* parent);

    // Degrees counter-clockwise from pointing right.
    void setRotation(int degrees);
    int rotation() const { return m_rotation; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_rotation = 270;
};

} // namespace talix::controls
