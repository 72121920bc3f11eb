#include "display/spectrum/SpectrumPanel.h"

#include <QPaintEvent>
#include <QPainter>

namespace talix::display {

SpectrumPanel::SpectrumPanel(const SpectrumDisplay& display, QWidget* parent)
    : SpectrumTouchPanel(parent), m_display(display) {
    setObjectName("Panel2");
    setFixedSize(SpectrumPicture::kWidth, SpectrumPicture::kHeight);
}

QRegion SpectrumPanel::showChanges() {
    const QRegion area = m_picture.update(m_display);
    if (!area.isEmpty())
        update(area);
    return area;
}

void SpectrumPanel::paintEvent(QPaintEvent* event) {
    // A change not yet asked for is painted by a repaint of its own.
    const QRegion missed = m_picture.update(m_display) - event->region();
    if (!missed.isEmpty())
        update(missed);
    QPainter painter(this);
    m_picture.paint(painter, event->region());
}

} // namespace talix::display
