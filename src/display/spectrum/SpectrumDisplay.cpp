#include "display/spectrum/SpectrumDisplay.h"

#include "display/spectrum/SpectrumThreshold.h"

namespace talix::display {

SpectrumRepaint SpectrumDisplay::DrawSpectrumLine(std::span<const uint8_t, kSpectrumLineBytes> line,
                                                  const SpectrumSettings& s) {
    m_settings = s;
    ++m_generation;
    unpackSpectrumLine(line, m_line);
    if (!m_average.add(m_line, s.dividerIndex(), m_mean))
        return {};

    const double shift = traceShift(s, m_grid.gridOffset);
    const int binCount = shownBinCount(shift);
    buildSpectrumTrace(m_mean, s.passbandLo, s.passbandHi, shift, m_trace);

    SpectrumRepaint repaint{.spectrum = true};
    if (++m_wfLineCount >= s.wfTimeUnit) {
        m_wfLineCount = 0;
        m_palette.setWindow(s.waterfallLow, s.waterfallHigh);
        m_waterfall.advance(m_mean, binCount, shift, m_palette);
        repaint.waterfall = true;
    }
    return repaint;
}

SpectrumRepaint SpectrumDisplay::RebuildGrid(const SpectrumSettings& s) {
    m_settings = s;
    ++m_generation;
    m_grid = buildSpectrumGrid(s);
    m_markerPath = buildMarkerPath(s, m_grid.gridOffset);
    ++m_gridGeneration;
    return {.spectrum = true, .ticks = true};
}

SpectrumRepaint SpectrumDisplay::RebuildMarkerPath(const SpectrumSettings& s) {
    m_settings = s;
    ++m_generation;
    m_markerPath = buildMarkerPath(s, m_grid.gridOffset);
    ++m_gridGeneration;
    return {.spectrum = true};
}

SpectrumRepaint SpectrumDisplay::PlaceThresholdLine(const SpectrumSettings& s) {
    m_settings = s;
    ++m_generation;
    m_thresholdRow = thresholdRowFor(s);
    return {.spectrum = true};
}

} // namespace talix::display
