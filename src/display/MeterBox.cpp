#include "display/MeterBox.h"

#include "base/Palette.h"
#include "display/Fonts.h"
#include "display/MeterScale.h"

#include <QPainter>

namespace talix::display {

MeterBox::MeterBox(QWidget* parent) : QWidget(parent), m_fill(kBlack) {
    setObjectName("RPegel");
    setGeometry(kMeterBox.x, kMeterBox.y, kMeterBox.w, kMeterBox.h);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MeterBox::setLevelSource(std::function<int32_t()> source) {
    m_level = std::move(source);
    update();
}

void MeterBox::setFill(QRgb argb) {
    if (argb == m_fill)
        return;
    m_fill = argb;
    repaint();
}

void MeterBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF box(rect());
    p.fillRect(box, QColor::fromRgba(m_fill));
    p.setPen(QPen(QColor::fromRgba(kAqua), 1));
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));

    // The marker's colour is left open; white stands out on both fills.
    const double x = double(levelMarkerX(m_level ? m_level() : 0));
    p.save();
    p.setOpacity(kMarkerOpacity);
    p.setPen(QPen(QColor::fromRgba(kWhite), kMarkerWidth));
    p.drawLine(QPointF(x, kMarkerBottom), QPointF(x, kMarkerTop));
    p.restore();

    // The scale lies over the marker, in main-window coordinates.
    p.translate(-kMeterBox.x, -kMeterBox.y);
    for (const ScaleLine& l : kMeterScaleLines) {
        p.setPen(QPen(QColor::fromRgba(l.colour), 1));
        const QPointF from(l.x + 0.5, l.y + 0.5);
        p.drawLine(from, l.horizontal ? from + QPointF(l.length, 0) : from + QPointF(0, l.length));
    }
    p.setFont(pinnedFont(FontFace::UiSemibold, kScaleTextSize));
    for (const ScaleText& t : kMeterScaleTexts) {
        p.setPen(QColor::fromRgba(t.colour));
        p.drawText(QRectF(t.x, t.y, 60, kScaleTextSize + 6), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromLatin1(t.text));
    }
}

} // namespace talix::display
