#include "display/SpectrumLayers.h"

#include "display/TraceInk.h"

#include <QPainter>
#include <array>

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
        keepByColumns(layer);
        return;
    }
    for (int l = 0; l < kPlainLayers; ++l)
        draw(Layer(l));
    findPlainPixels();
    for (int l = 0; l < kPlainLayers; ++l)
        keepByColumns(Layer(l));
}

void SpectrumLayers::draw(Layer layer) {
    const QImage& background = *m_sources.background;
    QImage& img = m_images[layer];
    img = background.copy();

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
}

void SpectrumLayers::keepByColumns(Layer layer) {
    const QImage& img = m_images[layer];
    const int width = img.width(), height = img.height();
    std::vector<QRgb>& columns = m_columns[layer];
    columns.resize(std::size_t(width) * std::size_t(height));
    for (int row = 0; row < height; ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(row));
        for (int x = 0; x < width; ++x)
            columns[std::size_t(x) * std::size_t(height) + std::size_t(row)] = line[x];
    }
    m_images[layer] = QImage();
    m_made[layer] = true;
}

namespace {

// The colour most of a row shows, if more than half of it does (Boyer and Moore's vote); else
// one of its colours.
QRgb mostOf(const QRgb* row, int width) {
    QRgb candidate = row[0];
    int lead = 0;
    for (int x = 0; x < width; ++x) {
        if (lead == 0)
            candidate = row[x];
        lead += row[x] == candidate ? 1 : -1;
    }
    return candidate;
}

} // namespace

void SpectrumLayers::findPlainPixels() {
    const int width = m_images[Background].width(), height = m_images[Background].height();
    m_plain.assign((std::size_t(width) * std::size_t(height) + 63) / 64, 0);
    for (int l = 0; l < kPlainLayers; ++l)
        m_rowColours[l].resize(std::size_t(height));
    for (int row = 0; row < height; ++row) {
        std::array<const QRgb*, kPlainLayers> rows;
        for (int l = 0; l < kPlainLayers; ++l) {
            rows[l] = reinterpret_cast<const QRgb*>(m_images[l].constScanLine(row));
            m_rowColours[l][std::size_t(row)] = mostOf(rows[l], width);
        }
        for (int x = 0; x < width; ++x) {
            bool plain = true;
            for (int l = 0; l < kPlainLayers && plain; ++l)
                plain = rows[l][x] == m_rowColours[l][std::size_t(row)];
            if (plain) {
                const std::size_t at = std::size_t(x) * std::size_t(height) + std::size_t(row);
                m_plain[at >> 6] |= uint64_t(1) << (at & 63);
            }
        }
    }
}

} // namespace talix::display
