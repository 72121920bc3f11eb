#pragma once

#include "display/SpectrumDisplay.h"
#include "display/TraceExtent.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <vector>

class QPainter;

namespace talix::display {

// Paints the spectrum panel (1026 x 322) from the display state: the gradient background, the
// trace, then the grid, the passband and notch marks, the notch rectangle and the threshold line,
// and last the AGC level line. The background and the marks change rarely, so they are kept in
// two cached images; a paint copies them and draws only the trace and the AGC line itself. A new
// line mostly changes the trace near its top, so only that part of the panel needs painting anew.
class SpectrumPicture {
public:
    static constexpr int kWidth = 1026;
    static constexpr int kHeight = 322;

    SpectrumPicture();
    void paint(QPainter& painter, const SpectrumDisplay& display);
    // Paints only the pixels within `area`; the rest of the target is left as it is.
    void paint(QPainter& painter, const SpectrumDisplay& display, const QRegion& area);

    // The part of the panel whose pixels the display's present state changes against the state of
    // the last call (everything the first time): strips around the changes of the trace, or the
    // whole panel when anything else changed.
    QRegion changedArea(const SpectrumDisplay& display);

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

    // Everything but the trace that the pixels depend on.
    struct PaintKey {
        OverlayKey overlay;
        bool agcShown = false;
        int agcRow = 0;
        bool operator==(const PaintKey&) const = default;
    };

    static OverlayKey keyOf(const SpectrumDisplay& display);
    static PaintKey paintKeyOf(const SpectrumDisplay& display);
    void drawOverlay(const SpectrumDisplay& display);

    QImage m_background;
    QImage m_overlay;
    std::vector<QRect> m_overlayCover; // its visible pixels
    // Rectangles cut into the parts of the painted area, per part; they keep their capacity.
    struct Pieces {
        std::vector<std::vector<QRect>> outsideFill, outsideOutline, insideFill, insideOutline,
            overlay;
    } m_pieces;
    std::vector<QRect> m_banded; // rectangles as drawn; keeps its capacity
    OverlayKey m_overlayKey;
    bool m_overlayValid = false;
    // What changedArea() last compared against.
    PaintKey m_shownKey;
    TraceExtent m_shownExtent;
    bool m_shownValid = false;
};

} // namespace talix::display
