#include "display/spectrum/WaterfallImage.h"

#include "base/Palette.h"
#include "display/spectrum/RasterBands.h"

#include <QPainter>
#include <algorithm>

namespace talix::display {

namespace {}

WaterfallImage::WaterfallImage() : m_image(kWidth, kHeight, QImage::Format_RGB32) {
    m_image.fill(kBlack);
}

void WaterfallImage::advance(const SpectrumBins& values, int binCount, double shift,
                             const WaterfallPalette& palette) {
    m_top = (m_top + kHeight - 1) % kHeight;
    auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(m_top));
    std::fill(row, row + kWidth, kBlack);
    binCount = std::clamp(binCount, 0, kSpectrumBins);
    if (shift == 0) {
        for (int i = 0; i < binCount; ++i)
            row[i] = palette[values[i]];
        return;
    }
    for (int i = 0; i < binCount; ++i) {
        const double x = i + shift; // converted by truncation toward zero
        if (x > -1 && x < kWidth)
            row[int(x)] = palette[values[i]];
    }
}

void WaterfallImage::paint(QPainter& painter, QPoint at) const {
    const int older = kHeight - m_top; // rows from the newest down to the end of the ring
    const auto copy = [&](QPoint to, QRect from) {
        for (const QRect& band : inBands(from))
            painter.drawImage(to + QPoint(0, band.top() - from.top()), m_image, band);
    };
    copy(at, QRect(0, m_top, kWidth, older));
    if (m_top > 0)
        copy(at + QPoint(0, older), QRect(0, 0, kWidth, m_top));
}

QRgb WaterfallImage::pixel(int x, int row) const {
    return m_image.pixel(x, (m_top + row) % kHeight);
}

} // namespace talix::display
