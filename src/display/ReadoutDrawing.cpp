#include "display/ReadoutDrawing.h"

#include "display/ReadoutColours.h"

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
    for (const PictureText& t : picture.texts) {
        QTextOption option;
        option.setTextDirection(Qt::RightToLeft);
        option.setWrapMode(t.wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
        option.setAlignment(t.centred ? Qt::AlignCenter
                                      : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
        painter.drawText(t.box, t.text, option);
    }
}

} // namespace talix::display
