#include "recorder/SeekBar.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

namespace talix::recorder {

SeekBar::SeekBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

// The value whose handle is centred under the point, as the style lays the handle out.
int SeekBar::valueAt(QPoint at) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const int span = groove.width() - handle.width();
    const int position = at.x() - groove.x() - handle.width() / 2;
    return QStyle::sliderValueFromPosition(minimum(), maximum(), position, span, option.upsideDown);
}

void SeekBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setSliderDown(true);
    setSliderPosition(valueAt(event->position().toPoint()));
    event->accept();
}

void SeekBar::mouseMoveEvent(QMouseEvent* event) {
    if (!isSliderDown()) {
        event->ignore();
        return;
    }
    setSliderPosition(valueAt(event->position().toPoint()));
    event->accept();
}

void SeekBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isSliderDown()) {
        event->ignore();
        return;
    }
    setSliderPosition(valueAt(event->position().toPoint()));
    setSliderDown(false);
    event->accept();
}

} // namespace talix::recorder
