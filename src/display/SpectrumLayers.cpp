#include "display/SpectrumLayers.h"

#include "display/TraceInk.h"

#include <QPainter>
#include <cstring>

namespace talix::display {

void SpectrumLayers::reset(const Sources& sources) {
    m_sources = sources;
    m_made.fill(false);
}

void SpectrumLayers::prepare(Layer layer) {
    if (m_made[layer])
        return;
    if (layer >= kPlainLayers) {
        make(layer);
        return;
    }
    for (int l = 0; l < kPlainLayers; ++l)
        make(Layer(l));
    findPlainPixels();
}

void SpectrumLayers::make(Layer layer) {
    const QImage& background = *m_sources.background;
    QImage& img = m_images[layer];
    if (img.size() != background.size() || img.format() != background.format())
        img = QImage(background.size(), background.format());
    // A plain copy of the pixels: QImage's own copy would share and then detach them anew.
    std::memcpy(img.bits(), background.constBits(), std::size_t(background.sizeInBytes()));

    // The layer's part of the trace over all of the panel, inked as the trace itself is.
    const std::vector<QRect> all{img.rect()};
    const std::vector<QRect> none;
    std::vector<QRect> banded;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (layer) {
    case Background:
        break;
    case OutsideFill:
        inkTracePart(p, all, none, kOutsideColour, m_sources.outsideBright, banded);
        break;
    case InsideFill:
        inkTracePart(p, all, none, kInsideColour, m_sources.insideBright, banded);
        break;
    case OutsideOutline:
        inkTracePart(p, none, all, kOutsideColour, 0, banded);
        break;
    case InsideOutline:
        inkTracePart(p, none, all, kInsideColour, 0, banded);
        break;
    case InsideFillOnOutsideOutline:
        inkTracePart(p, none, all, kOutsideColour, 0, banded);
        inkTracePart(p, all, none, kInsideColour, m_sources.insideBright, banded);
        break;
    case kLayerCount:
        break;
    }
    for (const QRect& r : *m_sources.overlayCover)
        p.drawImage(r.topLeft(), *m_sources.overlay, r);
    p.end();
    m_pixels[layer] = reinterpret_cast<const QRgb*>(img.constBits());
    m_stride = std::size_t(img.bytesPerLine()) / sizeof(QRgb);
    m_width = img.width();
    m_made[layer] = true;
}

void SpectrumLayers::findPlainPixels() {
    const int width = m_width, height = m_images[Background].height();
    const QImage& overlay = *m_sources.overlay;
    m_plain.assign((std::size_t(width) * std::size_t(height) + 63) / 64, 0);
    for (int row = 0; row < height; ++row) {
        const auto rowOf = [&](int l) { return m_pixels[l] + std::size_t(row) * m_stride; };
        // A row's colour is what the layers show where no mark lies over them: the first of two
        // unmarked pixels that agree, since the frame's pixels at the ends are unmarked too.
        int clear = 0;
        for (int x = 0, last = -1; x < width; ++x) {
            if (qAlpha(overlay.pixel(x, row)) != 0)
                continue;
            if (last >= 0 && rowOf(Background)[x] == rowOf(Background)[last]) {
                clear = x;
                break;
            }
            last = x;
        }
        for (int l = 0; l < kPlainLayers; ++l) {
            m_rowColours[l].resize(std::size_t(height));
            m_rowColours[l][std::size_t(row)] = rowOf(l)[clear];
        }
        for (int x = 0; x < width; ++x) {
            bool plain = true;
            for (int l = 0; l < kPlainLayers && plain; ++l)
                plain = rowOf(l)[x] == m_rowColours[l][std::size_t(row)];
            if (plain) {
                const std::size_t at = std::size_t(row) * std::size_t(width) + std::size_t(x);
                m_plain[at >> 6] |= uint64_t(1) << (at & 63);
            }
        }
    }
}

} // namespace talix::display
