#include "display/readouts/ReadoutDrawing.h"

#include "base/Palette.h"

#include <QPainter>
#include <QTextOption>

namespace talix::display {

void drawEditBox(QPainter& painter, const QSizeF& size) {
    const QRectF outer(QPointF(0, 0), size);
    painter.fillRect(outer, QColor::fromRgba(kBlack));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgba(kPaleGreen), 1));
    painter.drawRect(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(QColor::fromRgba(kEditInnerLine), 1));
    painter.drawRect(outer.adjusted(1.5, 1.5, -1.5, -1.5));
}

void drawReadoutText(QPainter& painter, const PictureText& t) {
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(t.wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    option.setAlignment(t.centred ? Qt::AlignCenter
                                  : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    // A left-to-right mark in front keeps the digits and letters in their own order, so that the
    // right-to-left layout only moves a trailing sign in front of the number and does not mirror
    // ">" of ">19.999" into "<" at its far end.
    painter.drawText(t.box, QChar(0x200E) + t.text, option);
}

void drawReadoutPicture(QPainter& painter, const ReadoutPicture& picture, const QFont& font) {
    painter.setOpacity(1.0);
    if (picture.filled)
        painter.fillRect(picture.box, QColor::fromRgba(picture.fillColour));

    if (picture.knob) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor::fromRgba(kBlack), 1));
        painter.setBrush(QColor::fromRgba(kGrey));
        painter.drawEllipse(picture.knob->face);
        painter.setBrush(QColor::fromRgba(kWhite));
        painter.drawEllipse(picture.knob->mark);
    }

    painter.setFont(font);
    painter.setPen(QColor::fromRgba(picture.textColour));
    for (const PictureText& t : picture.texts)
        drawReadoutText(painter, t);
}

} // namespace talix::display
