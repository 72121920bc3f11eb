#include "display/spectrum/SpectrumTickStrip.h"

#include "base/Palette.h"

#include <QPainter>

namespace talix::display {

SpectrumTickStrip::SpectrumTickStrip(const SpectrumDisplay& display, Parity parity, QWidget* parent)
    : QWidget(parent), m_display(display), m_parity(parity) {
    setFixedSize(kWidth, kHeight);
    // Touches pass to whatever lies under the strip.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SpectrumTickStrip::paintEvent(QPaintEvent*) {
    const SpectrumGrid& g = m_display.grid();
    QPainter p(this);
    p.strokePath(m_parity == Parity::Even ? g.tickPathEven : g.tickPathOdd,
                 QPen(QColor::fromRgba(kYellow), 0));
}

} // namespace talix::display
