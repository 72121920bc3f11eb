#pragma once

#include "display/spectrum/SpectrumDisplay.h"

#include <QPointer>

class QWidget;

namespace talix::display {

class SpectrumPanel;
class WaterfallPanel;
class SpectrumTickStrip;
class SpectrumSideMarks;

// The spectrum and waterfall area of the main window: the display state, the two panels, the
// tick strip above the spectrum and the marks beside both panels, placed on the main window. The
// frame handler and the receiver items call the operations below; each repaints what it changed.
class SpectrumScreen {
public:
    explicit SpectrumScreen(QWidget* mainWindow);
    ~SpectrumScreen();
    SpectrumScreen(const SpectrumScreen&) = delete;
    SpectrumScreen& operator=(const SpectrumScreen&) = delete;

    void DrawSpectrumLine(std::span<const uint8_t, kSpectrumLineBytes> line,
                          const SpectrumSettings& s);
    // The caller marks the frequency scales Panel4 and Panel6 (mark 2) afterwards: they read
    // gridOffset().
    void RebuildGrid(const SpectrumSettings& s);
    void RebuildMarkerPath(const SpectrumSettings& s);
    void PlaceThresholdLine(const SpectrumSettings& s);

    float gridOffset() const { return m_display.gridOffset(); }
    const SpectrumDisplay& display() const { return m_display; }
    SpectrumPanel* spectrumPanel() const;
    WaterfallPanel* waterfallPanel() const;

private:
    void repaint(SpectrumRepaint r);

    SpectrumDisplay m_display;
    // Owned by the main window as its children; deleted here first because they read m_display.
    QPointer<SpectrumPanel> m_spectrum;
    QPointer<WaterfallPanel> m_waterfall;
    QPointer<SpectrumTickStrip> m_ticks;
    QPointer<SpectrumSideMarks> m_marks;
};

} // namespace talix::display
