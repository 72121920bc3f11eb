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

// Rectangles of the buffers that are reused from line to line.
struct Scratch {
    std::vector<QRect>& clipped;
    std::vector<QRect>& banded;
};

void fillRects(QPainter& p, const std::vector<QRect>& rects, const AreaClip& clip, Scratch s) {
    s.clipped.clear();
    clip.append(rects, s.clipped);
    s.banded.clear();
    appendInBands(s.clipped, s.banded);
    p.drawRects(s.banded.data(), int(s.banded.size()));
}

// A part of the trace: its area at the brightness's opacity (none at 0), its outline opaque.
void paintPart(QPainter& p, const TracePart& part, QRgb colour, int brightness,
               const AreaClip& clip, Scratch s) {
    p.setPen(Qt::NoPen);
    if (brightness != 0 && !part.fill.empty()) {
        p.setOpacity(opacityOf(brightness));
        p.setBrush(QColor::fromRgba(colour));
        fillRects(p, part.fill, clip, s);
        p.setOpacity(1);
    }
    p.setBrush(QColor::fromRgba(colour));
    fillRects(p, part.outline, clip, s);
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
    if (clip.rects().empty())
        return;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const QRect& r : clip.rects())
        for (const QRect& band : inBands(r))
            p.drawImage(band.topLeft(), m_background, band);

    const Scratch scratch{m_clipped, m_banded};
    paintPart(p, t.outside, kPink, s.outsideBright, clip, scratch);
    paintPart(p, t.inside, kYellow, s.insideBright, clip, scratch);

    // Blending the mostly transparent overlay costs per pixel: only its visible parts are drawn.
    m_clipped.clear();
    clip.append(m_overlayCover, m_clipped);
    for (const QRect& r : m_clipped)
        p.drawImage(r.topLeft(), m_overlay, r);

    if (s.agcLimit != 0 && s.agcLevelRow < kDisplayRows) {
        if (!clip.whole())
            p.setClipRegion(area, Qt::IntersectClip);
        p.setPen(pixelPen(kMagenta));
        strokeRow(p, s.agcLevelRow);
    }
    p.restore();
}

} // namespace talix::display
