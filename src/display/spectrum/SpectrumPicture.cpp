#include "display/spectrum/SpectrumPicture.h"

#include "base/Palette.h"
#include "display/spectrum/RasterBands.h"
#include "display/spectrum/TraceInk.h"
#include "display/spectrum/TraceLayerMap.h"
#include "display/spectrum/VisibleCover.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace talix::display {

namespace {

constexpr QRgb kGradientTop = 0xFF001967;
constexpr uint8_t kFmWideMode = 8;
constexpr double kLineLeft = 1.5;
constexpr double kLineRight = 1024.5;

// Changed lines the marks must have stayed the same for before their layers are made: while the
// grid moves with every line, as when tuning, making them would cost more than drawing anew.
constexpr int kSettleLines = 4;

// Columns per strip of a changed area: narrow enough that a carrier's peak raises only its own
// strip, wide enough that the X server gets few rectangles.
constexpr int kStripColumns = 64;
// Rows a strip's top and bottom are rounded out to.
constexpr int kStripRows = 32;

// The strip of columns left..right from row top to row bottom as repainted. Its rows are widened
// to whole bands of kStripRows, so that neighbouring strips mostly share their top and bottom and
// merge into one rectangle: Qt hands the X server one image request per rectangle of an area.
QRect stripOf(int left, int right, int top, int bottom) {
    top = std::max(top, 0) / kStripRows * kStripRows;
    bottom =
        std::min((std::min(bottom, kDisplayRows - 1) / kStripRows + 1) * kStripRows, kDisplayRows) -
        1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// A one-pixel line on pixel centres: lines and outlines drawn aliased with a cosmetic pen.
QPen pixelPen(QRgb colour) {
    return QPen(QColor::fromRgba(colour), 0);
}

void strokeVertical(QPainter& p, double x) {
    p.drawLine(QPointF(x, kBottomY), QPointF(x, 0.5));
}

// The line across the panel at pixel row y.
void strokeAcross(QPainter& p, double y) {
    p.drawLine(QPointF(kLineLeft, y), QPointF(kLineRight, y));
}

void strokeRow(QPainter& p, int row) {
    strokeAcross(p, kBottomY - row);
}

// The marks move with the trace: 0.5 when the grid follows the passband, else 2 - GridOffset.
double markShiftOf(const SpectrumDisplay& d) {
    return 0.5 + traceShift(d.settings(), d.gridOffset());
}

// The columns a line across the panel covers, as the painter draws it.
std::vector<bool> columnsAcross() {
    QImage row(SpectrumPicture::kWidth, 1, QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    {
        QPainter p(&row);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(pixelPen(kFuchsia));
        strokeAcross(p, 0.5);
    }
    std::vector<bool> covered(std::size_t(row.width()));
    for (int x = 0; x < row.width(); ++x)
        covered[std::size_t(x)] = qAlpha(row.pixel(x, 0)) != 0;
    return covered;
}

} // namespace

// The background is opaque: kept in the screen's own format, drawing it is a plain copy.
SpectrumPicture::SpectrumPicture()
    : m_picture(kWidth, kHeight, QImage::Format_RGB32),
      m_overlay(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied),
      m_agcColumns(columnsAcross()) {
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
    m_picture.fill(Qt::black);
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

int SpectrumPicture::agcRowOf(const SpectrumDisplay& d) {
    const SpectrumSettings& s = d.settings();
    return s.agcLimit != 0 && s.agcLevelRow < kDisplayRows ? kDisplayRows - s.agcLevelRow : -1;
}

void SpectrumPicture::drawOverlay(const SpectrumDisplay& d) {
    const OverlayKey k = keyOf(d);
    m_overlayKey = k;
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
    m_layers.reset({.background = &m_background,
                    .overlay = &m_overlay,
                    .overlayCover = &m_overlayCover,
                    .outsideBright = k.outsideBright,
                    .insideBright = k.insideBright});
}

void SpectrumPicture::drawWhole(const SpectrumDisplay& d) {
    const SpectrumSettings& s = d.settings();
    const SpectrumTrace& t = d.trace();
    std::memcpy(m_picture.bits(), m_background.constBits(),
                std::size_t(m_background.sizeInBytes()));
    QPainter p(&m_picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    inkTracePart(p, t.outside.fill, t.outside.outline, kOutsideColour, s.outsideBright, m_banded);
    inkTracePart(p, t.inside.fill, t.inside.outline, kInsideColour, s.insideBright, m_banded);
    // Blending the mostly transparent overlay costs per pixel: only its visible parts are drawn.
    for (const QRect& r : m_overlayCover)
        p.drawImage(r.topLeft(), m_overlay, r);
    if (agcRowOf(d) >= 0) {
        p.setPen(pixelPen(kFuchsia));
        strokeRow(p, s.agcLevelRow);
    }
}

QRegion SpectrumPicture::update(const SpectrumDisplay& d) {
    if (m_shownValid && m_shownDisplay == &d && m_shownGeneration == d.generation())
        return {};
    const TraceExtent extent(d.trace());
    const int agcRow = agcRowOf(d);
    QRegion area;
    const bool newMarks = !m_shownValid || keyOf(d) != m_overlayKey;
    if (newMarks || !TraceExtent::sameBottomRow(m_shownExtent, extent)) {
        // The trace is built with the passband and shift of its line, so it may follow new marks
        // a line or an averaging cycle later: its bottom row then changes under the same marks.
        if (newMarks) {
            drawOverlay(d);
            m_sameOverlayLines = 0;
        }
        drawWhole(d);
        area = QRect(0, 0, kWidth, kHeight);
    } else {
        // The rest of the bottom row is alike under both traces; the AGC line may lie on it.
        const bool composable = m_sameOverlayLines >= kSettleLines && agcRow < kDisplayRows &&
                                m_shownAgcRow < kDisplayRows;
        if (composable) {
            area = compose(d, extent, agcRow);
        } else {
            area = changedStrips(extent);
            if (agcRow != m_shownAgcRow)
                area = QRect(0, 0, kWidth, kHeight);
            if (!area.isEmpty())
                drawWhole(d);
        }
        if (!area.isEmpty() && m_sameOverlayLines < kSettleLines)
            ++m_sameOverlayLines;
    }
    m_shownExtent = extent;
    m_shownAgcRow = agcRow;
    m_shownValid = true;
    m_shownDisplay = &d;
    m_shownGeneration = d.generation();
    return area;
}

QRegion SpectrumPicture::changedStrips(const TraceExtent& extent) const {
    QRegion area;
    // QRegion::setRects() would take the strips for its own sorted bands; they are not.
    for (const QRect& strip : TraceExtent::changedStrips(m_shownExtent, extent, kStripColumns))
        area += stripOf(strip.left(), strip.right(), strip.top(), strip.bottom());
    return area;
}

QRegion SpectrumPicture::compose(const SpectrumDisplay& d, const TraceExtent& extent, int agcRow) {
    const SpectrumSettings& s = d.settings();
    const TraceLayerMap map(extent, d.trace(), s.outsideBright, s.insideBright);
    const qsizetype stride = m_picture.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* out = reinterpret_cast<QRgb*>(m_picture.bits());
    for (int l = 0; l < SpectrumLayers::kLayerCount; ++l)
        if (map.uses(SpectrumLayers::Layer(l)))
            m_layers.prepare(SpectrumLayers::Layer(l));
    // Column x from row `first` to row `last`, in runs of rows of one layer.
    const auto put = [&](int x, int first, int last) {
        const TraceLayerMap::Column& c = map.column(x);
        for (int row = first; row <= last;) {
            const SpectrumLayers::Layer layer = TraceLayerMap::at(c, row);
            const int end = std::min(last, TraceLayerMap::runEnd(c, row));
            for (; row <= end; ++row)
                out[row * stride + x] = m_layers.pixel(layer, x, row);
        }
        if (agcRow >= first && agcRow <= last && m_agcColumns[std::size_t(x)])
            out[agcRow * stride + x] = kFuchsia;
    };

    QRegion area;
    for (int left = 0; left < kWidth; left += kStripColumns) {
        const int right = std::min(left + kStripColumns, kWidth) - 1;
        int top = kDisplayRows, bottom = -1;
        for (int x = left; x <= right; ++x) {
            auto [first, last] = TraceExtent::changedRows(m_shownExtent, extent, x);
            first = std::max(first, 0);
            last = std::min(last, kDisplayRows - 1);
            if (first > last)
                continue;
            put(x, first, last);
            top = std::min(top, first);
            bottom = std::max(bottom, last);
        }
        if (top <= bottom)
            area += stripOf(left, right, top, bottom);
    }
    if (agcRow != m_shownAgcRow) {
        for (const int row : {m_shownAgcRow, agcRow}) {
            if (row < 0)
                continue;
            for (int x = 0; x < kWidth; ++x)
                put(x, row, row);
            area += QRect(0, row, kWidth, 1);
        }
    }
    return area;
}

void SpectrumPicture::paint(QPainter& p, const QRegion& area) const {
    for (const QRect& r : area)
        for (const QRect& band : inBands(r & m_picture.rect()))
            p.drawImage(band.topLeft(), m_picture, band);
}

void SpectrumPicture::paint(QPainter& p, const SpectrumDisplay& d) {
    update(d);
    paint(p, QRegion(m_picture.rect()));
}

} // namespace talix::display
