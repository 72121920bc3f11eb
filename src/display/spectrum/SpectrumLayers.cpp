#include "display/spectrum/SpectrumLayers.h"

#include "display/spectrum/TraceInk.h"

#include <QPainter>
#include <cstring>

namespace talix::display {

void SpectrumLayers::reset(const Sources& sources) {
    m_sources = sources;
    m_height = std::size_t(sources.background->height());
    m_made.fill(false);
}

void SpectrumLayers::prepare(Layer layer) {
    if (m_made[layer])
        return;
    if (layer >= kPlainLayers) {
        draw(layer);
        return;
    }
    for (int l = 0; l < kPlainLayers; ++l)
        draw(Layer(l));
    findPlainPixels();
}

void SpectrumLayers::draw(Layer layer) {
    const QImage& background = *m_sources.background;
    QImage& img = m_drawing;
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
    keepByColumns(layer);
}

void SpectrumLayers::keepByColumns(Layer layer) {
    const QImage& img = m_drawing;
    const int width = img.width(), height = img.height();
    std::vector<QRgb>& columns = m_columns[layer];
    columns.resize(std::size_t(width) * std::size_t(height));
    for (int row = 0; row < height; ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(row));
        for (int x = 0; x < width; ++x)
            columns[std::size_t(x) * std::size_t(height) + std::size_t(row)] = line[x];
    }
    m_made[layer] = true;
}

void SpectrumLayers::findPlainPixels() {
    const std::size_t height = m_height;
    const std::size_t width = m_columns[Background].size() / height;
    // A row's colour is the one most of its pixels show, if more than half do (Boyer and Moore's
    // vote, kept for all rows at once so that the columns are read in order).
    for (int l = 0; l < kPlainLayers; ++l) {
        const QRgb* columns = m_columns[l].data();
        std::vector<QRgb>& colours = m_rowColours[l];
        colours.assign(columns, columns + height);
        std::vector<int> lead(height, 0);
        for (std::size_t x = 0; x < width; ++x)
            for (std::size_t row = 0; row < height; ++row) {
                const QRgb pixel = columns[x * height + row];
                if (lead[row] == 0)
                    colours[row] = pixel;
                lead[row] += pixel == colours[row] ? 1 : -1;
            }
    }
    m_plain.assign((width * height + 63) / 64, 0);
    for (std::size_t x = 0; x < width; ++x)
        for (std::size_t row = 0; row < height; ++row) {
            const std::size_t at = x * height + row;
            bool plain = true;
            for (int l = 0; l < kPlainLayers && plain; ++l)
                plain = m_columns[l][at] == m_rowColours[l][row];
            if (plain)
                m_plain[at >> 6] |= uint64_t(1) << (at & 63);
        }
}

} // namespace talix::display
