#pragma once

#include <QSlider>

namespace talix::recorder {

// TB_Play: the playing position in per cent. A finger down anywhere on the bar puts the position
// under it and follows it until lifted, as sliderMoved; the handle alone is too small a target on
// the touch screen.
class SeekBar : public QSlider {
    Q_OBJECT
public:
    explicit SeekBar(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int valueAt(QPoint at) const;
};

} // namespace talix::recorder
