#include "display/spectrum/WaterfallPanel.h"

#include "display/spectrum/WaterfallPicture.h"

#include <QPaintEvent>
#include <QPainter>

namespace talix::display {

WaterfallPanel::WaterfallPanel(const WaterfallImage& image, QWidget* parent)
    : SpectrumTouchPanel(parent), m_image(image) {
    setObjectName("Panel3");
    setFixedSize(WaterfallPicture::kWidth, WaterfallPicture::kHeight);
}

void WaterfallPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    WaterfallPicture::paint(painter, m_image, event->region());
}

} // namespace talix::display
