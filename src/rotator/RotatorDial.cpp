#include "rotator/RotatorDial.h"

#include "base/Palette.h"
#include "display/Fonts.h"
#include "rotator/DialArithmetic.h"

#include <QMouseEvent>
#include <QPainter>

namespace talix::rotator {

namespace {
constexpr QRgb kFace = 0xFFE6EEF5;
constexpr QRgb kRim = 0xFF1F3A5A;
constexpr QRgb kNullLine = kFirebrick;
constexpr int kTickLength = 18;
} // namespace

RotatorDial::RotatorDial(QWidget* parent) : QWidget(parent) {
    setObjectName("S_Geber");
    setFixedSize(kSize, kSize);
    showPosition(0);
}

void RotatorDial::showPosition(int p) {
    const DialMarks m = dialMarks(p, QSizeF(kSize, kSize), QSizeF(kCircleSize, kCircleSize));
    m_pitch = m.pitch;
    m_pitch1 = m.pitch1;
    m_nullLineDegrees = m.nullLineDegrees;
    update();
}

void RotatorDial::paintCircles(bool selected) {
    m_pitchFill = QColor::fromRgba(selected ? kYellow : kWhite);
    m_pitch1Fill = QColor::fromRgba(selected ? kLemonChiffon : kWhite);
    update();
}

void RotatorDial::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const QPointF centre = QRectF(rect()).center();

    p.setPen(QPen(QColor::fromRgba(kRim), 3));
    p.setBrush(QColor::fromRgba(kFace));
    p.drawEllipse(face);

    p.setPen(QPen(QColor::fromRgba(kRim), 2));
    p.setBrush(m_pitch1Fill);
    p.drawEllipse(pitch1Box().adjusted(1, 1, -1, -1));
    p.setBrush(m_pitchFill);
    p.drawEllipse(pitchBox().adjusted(1, 1, -1, -1));

    p.save();
    p.translate(centre);
    p.rotate(m_nullLineDegrees);
    p.setPen(QPen(QColor::fromRgba(kNullLine), 3));
    p.drawLine(QPointF(-kSize / 2.0 + 4, 0), QPointF(kSize / 2.0 - 4, 0));
    p.restore();

    // Eight ticks on the rim, then the compass letters (O for east) above everything.
    p.save();
    p.translate(centre);
    p.setPen(QPen(QColor::fromRgba(kRim), 3));
    for (int i = 0; i < 8; ++i) {
        p.drawLine(QPointF(0, -kSize / 2.0 + 2), QPointF(0, -kSize / 2.0 + 2 + kTickLength));
        p.rotate(45);
    }
    p.restore();
    p.setFont(display::pinnedFont(display::FontFace::UiSemibold, 30));
    p.setPen(Qt::black);
    const int inset = kTickLength + 4;
    const int box = 40;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    p.drawText(QRectF(r.center().x() - box / 2, r.top(), box, box), Qt::AlignCenter, "N");
    p.drawText(QRectF(r.right() - box, r.center().y() - box / 2, box, box), Qt::AlignCenter, "O");
    p.drawText(QRectF(r.center().x() - box / 2, r.bottom() - box, box, box), Qt::AlignCenter, "S");
    p.drawText(QRectF(r.left(), r.center().y() - box / 2, box, box), Qt::AlignCenter, "W");
}

void RotatorDial::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit touched(event->position());
}

void RotatorDial::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        emit dragged(event->position());
}

} // namespace talix::rotator
