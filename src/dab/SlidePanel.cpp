#include "dab/SlidePanel.h"

#include "dab/SlideZoom.h"

#include <QBuffer>
#include <QImageReader>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace talix::dab {

namespace {

// DAB slides are 320 x 240; anything beyond this is no slide and is not decoded.
constexpr int kLargestSide = 2048;

// The picture RMOT shows until the first slide arrives.
QImage placeholder() {
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 240);
    g.setColorAt(0, QColor(0x20, 0x20, 0x40));
    g.setColorAt(1, QColor(0x50, 0x10, 0x10));
    p.fillRect(image.rect(), g);
    return image;
}

} // namespace

SlidePanel::SlidePanel(QWidget* form, QRect box) : QWidget(form), m_box(box) {
    setObjectName("RMOT");
    setGeometry(box);
    m_picture = placeholder();
}

void SlidePanel::showPicture(const QByteArray& file) {
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kLargestSide || size.height() > kLargestSide))
        return;
    QImage image;
    if (!reader.read(&image) || image.isNull() || image.width() > kLargestSide ||
        image.height() > kLargestSide)
        return;
    m_picture = image;
    update();
}

void SlidePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.scale(m_scale, m_scale);
    const QRect inner(1, 1, m_box.width() - 2, m_box.height() - 2);
    p.drawTiledPixmap(inner, QPixmap::fromImage(m_picture));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(QRectF(0.5, 0.5, m_box.width() - 1, m_box.height() - 1));
}

void SlidePanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        RMOTDblClick();
    event->accept();
}

void SlidePanel::RMOTDblClick() {
    m_scale = nextSlideScale(m_scale);
    setGeometry(QRect(m_box.topLeft(), QSizeF(m_box.size() * m_scale).toSize()));
    raise();
    update();
}

} // namespace talix::dab
