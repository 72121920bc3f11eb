#include "display/SpectrumPanel.h"

#include <QPainter>

namespace talix::display {

SpectrumPanel::SpectrumPanel(const SpectrumDisplay& display, QWidget* parent)
    : SpectrumTouchPanel(parent), m_display(display) {
    setObjectName("Panel2");
    setFixedSize(SpectrumPicture::kWidth, SpectrumPicture::kHeight);
}

void SpectrumPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_picture.paint(painter, m_display);
}

} // namespace talix::display
