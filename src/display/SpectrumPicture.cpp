#include "display/SpectrumPicture.h"

#include "display/AreaClip.h"
#include "display/RasterBands.h"
#include "display/VisibleCover.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace talix::display {

namespace {

constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kPink = 0xFFFFC0CB;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kRoyalBlue = 0xFF4169E1;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kGradientTop = 0xFF001967;
constexpr uint8_t kFmWideMode = 8;
constexpr double kLineLeft = 1.5;
constexpr double kLineRight = 1024.5;

double opacityOf(int percent) {
    return std::clamp(percent, 0, 100) / 100.0;
}

// A one-pixel line on pixel centres: lines and outlines drawn aliased with a cosmetic pen.
QPen pixelPen(QRgb colour) {
    return QPen(QColor::fromRgba(colour), 0);
}

void strokeVertical(QPainter& p, double x) {
    p.drawLine(QPointF(x, kBottomY), QPointF(x, 0.5));
}

void strokeRow(QPainter& p, int row) {
    const double y = kBottomY - row;
    p.drawLine(QPointF(kLineLeft, y), QPointF(kLineRight, y));
}

// The marks move with the trace: 0.5 when the grid follows the passband, else 2 - GridOffset.
double markShiftOf(const SpectrumDisplay& d) {
    return 0.5 + traceShift(d.settings(), d.gridOffset());
}

// Columns per strip of a changed area: narrow enough that a carrier's peak raises only its own
// strip, wide enough that the X server gets few rectangles.
constexpr int kStripColumns = 64;

void fillRects(QPainter& p, const std::vector<QRect>& rects, std::vector<QRect>& banded) {
    banded.clear();
    appendInBands(rects, banded);
    p.drawRects(banded.data(), int(banded.size()));
}

// A part of the trace: its area at the brightness's opacity (none at 0), its outline opaque.
void paintPart(QPainter& p, const std::vector<QRect>& fill, const std::vector<QRect>& outline,
               QRgb colour, int brightness, std::vector<QRect>& banded) {
    p.setPen(Qt::NoPen);
    if (brightness != 0 && !fill.empty()) {
        p.setOpacity(opacityOf(brightness));
        p.setBrush(QColor::fromRgba(colour));
        fillRects(p, fill, banded);
        p.setOpacity(1);
    }
    p.setBrush(QColor::fromRgba(colour));
    fillRects(p, outline, banded);
}

} // namespace

// The background is opaque: kept in the screen's own format, drawing it is a plain copy.
SpectrumPicture::SpectrumPicture() : m_overlay(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied) {
    QImage background(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&background);
    QLinearGradient fill(0, 0, 0, kHeight);
    fill.setColorAt(0, QColor::fromRgba(kGradientTop));
    fill.setColorAt(1, Qt::black);
    p.fillRect(background.rect(), fill);
    p.setPen(pixelPen(kYellow));
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    p.end();
    m_background = background.convertToFormat(QImage::Format_RGB32);
}

SpectrumPicture::OverlayKey SpectrumPicture::keyOf(const SpectrumDisplay& d) {
    const SpectrumSettings& s = d.settings();
    return {.gridGeneration = d.gridGeneration(),
            .markShift = markShiftOf(d),
            .passbandLo = s.passbandLo,
            .passbandHi = s.passbandHi,
            .markerLo = s.markerLo,
            .markerHi = s.markerHi,
            .insideBright = s.insideBright,
            .outsideBright = s.outsideBright,
            .gridBright = s.gridBright,
            .notchShown = s.notchWidth != 0 && s.modeIndex != kFmWideMode,
            .thresholdRow = d.thresholdRow()};
}

void SpectrumPicture::drawOverlay(const SpectrumDisplay& d) {
    const OverlayKey k = keyOf(d);
    if (m_overlayValid && k == m_overlayKey)
        return;
    m_overlayKey = k;
    m_overlayValid = true;
    m_overlay.fill(Qt::transparent);
    QPainter p(&m_overlay);
    if (k.gridBright != 0) {
        p.setOpacity(opacityOf(k.gridBright));
        p.strokePath(d.grid().gridPath, pixelPen(kYellow));
    }
    p.setPen(pixelPen(kRed));
    p.setOpacity(opacityOf(k.insideBright));
    strokeVertical(p, k.passbandLo + k.markShift);
    strokeVertical(p, k.passbandHi + k.markShift);
    if (k.notchShown) {
        strokeVertical(p, k.markerLo + k.markShift);
        strokeVertical(p, k.markerHi + k.markShift);
        if (k.outsideBright != 0) {
            p.setOpacity(opacityOf(k.outsideBright));
            p.fillPath(d.markerPath(), QColor::fromRgba(kRoyalBlue));
        }
    }
    if (k.thresholdRow > 0 && k.thresholdRow < kDisplayRows) {
        p.setOpacity(1);
        p.setPen(pixelPen(kBlue));
        strokeRow(p, k.thresholdRow);
    }
    p.end();
    m_overlayCover.clear();
    appendInBands(visibleCover(m_overlay), m_overlayCover);
}

SpectrumPicture::PaintKey SpectrumPicture::paintKeyOf(const SpectrumDisplay& d) {
    const SpectrumSettings& s = d.settings();
    const bool agcShown = s.agcLimit != 0 && s.agcLevelRow < kDisplayRows;
    return {.overlay = keyOf(d), .agcShown = agcShown, .agcRow = agcShown ? s.agcLevelRow : 0};
}

QRegion SpectrumPicture::changedArea(const SpectrumDisplay& d) {
    const PaintKey key = paintKeyOf(d);
    TraceExtent extent(d.trace());
    QRegion area;
    if (m_shownValid && key == m_shownKey) {
        const std::vector<QRect> strips =
            TraceExtent::changedStrips(m_shownExtent, extent, kStripColumns);
        // QRegion::setRects() would take the strips for its own sorted bands; they are not.
        for (const QRect& strip : strips)
            area += strip;
    } else {
        area = QRect(0, 0, kWidth, kHeight);
    }
    m_shownKey = key;
    m_shownExtent = extent;
    m_shownValid = true;
    return area;
}

void SpectrumPicture::paint(QPainter& p, const SpectrumDisplay& d) {
    paint(p, d, QRegion(0, 0, kWidth, kHeight));
}

void SpectrumPicture::paint(QPainter& p, const SpectrumDisplay& d, const QRegion& area) {
    const SpectrumSettings& s = d.settings();
    const SpectrumTrace& t = d.trace();
    drawOverlay(d);
    const AreaClip clip(area, m_background.rect());
    clip.distribute(t.outside.fill, m_pieces.outsideFill);
    clip.distribute(t.outside.outline, m_pieces.outsideOutline);
    clip.distribute(t.inside.fill, m_pieces.insideFill);
    clip.distribute(t.inside.outline, m_pieces.insideOutline);
    clip.distribute(m_overlayCover, m_pieces.overlay);
    const bool agcShown = s.agcLimit != 0 && s.agcLevelRow < kDisplayRows;
    const int agcY = kDisplayRows - s.agcLevelRow;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t k = 0; k < clip.parts().size(); ++k) {
        const QRect& part = clip.parts()[k];
        if (!clip.whole())
            p.setClipRect(part);
        for (const QRect& band : inBands(part))
            p.drawImage(band.topLeft(), m_background, band);
        paintPart(p, m_pieces.outsideFill[k], m_pieces.outsideOutline[k], kPink, s.outsideBright,
                  m_banded);
        paintPart(p, m_pieces.insideFill[k], m_pieces.insideOutline[k], kYellow, s.insideBright,
                  m_banded);
        // Blending the mostly transparent overlay costs per pixel: only its visible parts are
        // drawn.
        for (const QRect& r : m_pieces.overlay[k])
            p.drawImage(r.topLeft(), m_overlay, r);
        if (agcShown && agcY >= part.top() && agcY <= part.bottom()) {
            p.setPen(pixelPen(kMagenta));
            strokeRow(p, s.agcLevelRow);
        }
    }
    p.restore();
}

} // namespace talix::display
