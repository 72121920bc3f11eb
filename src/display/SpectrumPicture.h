#pragma once

#include "display/SpectrumDisplay.h"

#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

namespace talix::display {

// Paints the spectrum panel (1026 x 322) from the display state: the gradient background, the
// trace, then the grid, the passband and notch marks, the notch rectangle and the threshold line,
// and last the AGC level line. The background and the marks change rarely, so they are kept in
// two cached images; a paint copies them and draws only the trace and the AGC line itself.
class SpectrumPicture {
public:
    static constexpr int kWidth = 1026;
    static constexpr int kHeight = 322;

    SpectrumPicture();
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

    static OverlayKey keyOf(const SpectrumDisplay& display);
    void drawOverlay(const SpectrumDisplay& display);

    QImage m_background;
    QImage m_overlay;
    std::vector<QRect> m_overlayCover; // its visible pixels
    std::vector<QRect> m_banded;       // the trace's rectangles as drawn; keeps its capacity
    OverlayKey m_overlayKey;
    bool m_overlayValid = false;
};

} // namespace talix::display
