#pragma once

#include "display/spectrum/SpectrumDisplay.h"
#include "display/spectrum/SpectrumLayers.h"
#include "display/spectrum/TraceExtent.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <vector>

class QPainter;

namespace talix::display {

// The spectrum panel's picture (1026 x 322), kept up to date with the display state: the
// gradient background, the trace, then the grid, the passband and notch marks, the notch
// rectangle and the threshold line, and last the AGC level line.
//
// The background and the marks change rarely, so they are kept in images of their own. A new
// line mostly changes the trace near its top: once the marks have stayed the same for a few
// lines, only the pixels where the old and new traces differ are put in anew, each copied from
// the layer of its kind (SpectrumLayers). Anything else that changes draws the picture anew.
class SpectrumPicture {
public:
    static constexpr int kWidth = 1026;
    static constexpr int kHeight = 322;

    SpectrumPicture();
    // The layers point into the picture's own images.
    SpectrumPicture(const SpectrumPicture&) = delete;
    SpectrumPicture& operator=(const SpectrumPicture&) = delete;

    // Brings the picture up to the display's present state and returns the part of the panel
    // whose pixels that changed (everything the first time).
    QRegion update(const SpectrumDisplay& display);
    // Copies `area` of the picture to the painter.
    void paint(QPainter& painter, const QRegion& area) const;
    // Both at once, for the whole panel.
    void paint(QPainter& painter, const SpectrumDisplay& display);

private:
    // Everything the cached marks depend on; the overlay is redrawn when any of it changes.
    struct OverlayKey {
        uint32_t gridGeneration = 0;
        double markShift = 0;
        int passbandLo = 0;
        int passbandHi = 0;
        int markerLo = 0;
        int markerHi = 0;
        int insideBright = 0;
        int outsideBright = 0;
        int gridBright = 0;
        bool notchShown = false;
        int thresholdRow = 0;
        bool operator==(const OverlayKey&) const = default;
    };
    // The AGC level line's row, or -1 when it is not shown.
    static int agcRowOf(const SpectrumDisplay& display);

    static OverlayKey keyOf(const SpectrumDisplay& display);
    void drawOverlay(const SpectrumDisplay& display);
    void drawWhole(const SpectrumDisplay& display);
    // Puts in anew the pixels where the shown trace and `extent` differ and the rows of the old
    // and new AGC line, from the layers; returns the area they lie in.
    QRegion compose(const SpectrumDisplay& display, const TraceExtent& extent, int agcRow);
    // The changed strips of the trace, without composing.
    QRegion changedStrips(const TraceExtent& extent) const;

    QImage m_picture;
    QImage m_background;
    QImage m_overlay;
    std::vector<QRect> m_overlayCover; // its visible pixels
    std::vector<QRect> m_banded;       // rectangles as drawn; keeps its capacity
    SpectrumLayers m_layers;
    std::vector<bool> m_agcColumns; // the pixels of its row that the AGC line covers
    OverlayKey m_overlayKey;
    int m_sameOverlayLines = 0; // changed lines since the marks changed, up to the settling count
    // What the picture shows.
    bool m_shownValid = false;
    const SpectrumDisplay* m_shownDisplay = nullptr;
    uint32_t m_shownGeneration = 0;
    int m_shownAgcRow = -1;
    TraceExtent m_shownExtent;
};

} // namespace talix::display
