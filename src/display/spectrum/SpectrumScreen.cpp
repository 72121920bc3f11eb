#include "display/spectrum/SpectrumScreen.h"

#include "display/spectrum/SpectrumPanel.h"
#include "display/spectrum/SpectrumSideMarks.h"
#include "display/spectrum/SpectrumTickStrip.h"
#include "display/spectrum/WaterfallPanel.h"
#include "display/spectrum/WaterfallPicture.h"

namespace talix::display {

namespace {
// Places on the main window.
constexpr QPoint kSpectrumAt(80, 38);
constexpr QPoint kWaterfallAt(80, 366);
constexpr QPoint kTicksAt(80, 30);
constexpr QPoint kMarksAt(72, 38);
} // namespace

SpectrumScreen::SpectrumScreen(QWidget* mainWindow)
    : m_spectrum(new SpectrumPanel(m_display, mainWindow)),
      m_waterfall(new WaterfallPanel(m_display.waterfall(), mainWindow)),
      m_ticks(new SpectrumTickStrip(m_display, SpectrumTickStrip::Parity::Even, mainWindow)),
      m_marks(new SpectrumSideMarks(mainWindow)) {
    m_spectrum->move(kSpectrumAt);
    m_waterfall->move(kWaterfallAt);
    m_ticks->move(kTicksAt);
    m_marks->move(kMarksAt);
}

SpectrumScreen::~SpectrumScreen() {
    delete m_spectrum.data();
    delete m_waterfall.data();
    delete m_ticks.data();
    delete m_marks.data();
}

SpectrumPanel* SpectrumScreen::spectrumPanel() const {
    return m_spectrum;
}

WaterfallPanel* SpectrumScreen::waterfallPanel() const {
    return m_waterfall;
}

void SpectrumScreen::DrawSpectrumLine(std::span<const uint8_t, kSpectrumLineBytes> line,
                                      const SpectrumSettings& s) {
    repaint(m_display.DrawSpectrumLine(line, s));
}

void SpectrumScreen::RebuildGrid(const SpectrumSettings& s) {
    repaint(m_display.RebuildGrid(s));
}

void SpectrumScreen::RebuildMarkerPath(const SpectrumSettings& s) {
    repaint(m_display.RebuildMarkerPath(s));
}

void SpectrumScreen::PlaceThresholdLine(const SpectrumSettings& s) {
    repaint(m_display.PlaceThresholdLine(s));
}

void SpectrumScreen::repaint(SpectrumRepaint r) {
    if (r.spectrum && m_spectrum)
        m_spectrum->showChanges();
    if (r.waterfall && m_waterfall)
        m_waterfall->update(WaterfallPicture::kInside);
    if (r.ticks && m_ticks)
        m_ticks->update();
}

} // namespace talix::display
