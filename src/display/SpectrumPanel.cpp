#include "display/SpectrumPanel.h"

#include <QPaintEvent>
#include <QPainter>

namespace talix::display {

SpectrumPanel::SpectrumPanel(const SpectrumDisplay& display, QWidget* parent)
    : SpectrumTouchPanel(parent), m_display(display) {
    setObjectName("Panel2");
    setFixedSize(SpectrumPicture::kWidth, SpectrumPicture::kHeight);
}

QRegion SpectrumPanel::showChanges() {
    const QRegion area = m_picture.changedArea(m_display);
    if (!area.isEmpty())
        update(area);
    return area;
}

void SpectrumPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_picture.paint(painter, m_display, event->region());
}

} // namespace talix::display
