#include "sim/SlidePictures.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>

namespace talix::sim {

namespace {

// The segments of a seven-segment digit (a-g), drawn as bars: text needs no font this way.
constexpr uint8_t kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void digit(QPainter& p, int x, int y, int d, QColor colour) {
    constexpr int w = 40, h = 70, t = 9;
    const QRect bars[7] = {{x, y, w, t},
                           {x + w - t, y, t, h / 2},
                           {x + w - t, y + h / 2, t, h / 2},
                           {x, y + h - t, w, t},
                           {x, y + h / 2, t, h / 2},
                           {x, y, t, h / 2},
                           {x, y + h / 2 - t / 2, w, t}};
    for (int s = 0; s < 7; ++s)
        if (kSegments[d % 10] >> s & 1)
            p.fillRect(bars[s], colour);
}

} // namespace

std::vector<uint8_t> slidePicture(int service, int slide) {
    QImage image(320, 240, QImage::Format_RGB32);
    const QColor back = QColor::fromHsv((service * 47 + slide * 13) % 360, 140, 120);
    image.fill(back);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor light = back.lighter(170);
    for (int i = 0; i < 4; ++i) {
        const int r = 30 + (slide * 17 + i * 23) % 60;
        p.setBrush(QColor::fromHsv((service * 47 + i * 90) % 360, 200, 230));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(40 + i * 80, 60 + (slide * 31 + i * 41) % 120), r / 2, r / 2);
    }
    p.fillRect(0, 170, 320, 70, back.darker(160));
    digit(p, 20, 166, (service + 1) / 10, light);
    digit(p, 70, 166, (service + 1) % 10, light);
    digit(p, 210, 166, slide / 10, Qt::white);
    digit(p, 260, 166, slide % 10, Qt::white);
    p.end();
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {file.begin(), file.end()};
}

} // namespace talix::sim
