#pragma once

#include "display/spectrum/SpectrumAverage.h"
#include "display/spectrum/SpectrumGrid.h"
#include "display/spectrum/SpectrumLine.h"
#include "display/spectrum/SpectrumSettings.h"
#include "display/spectrum/SpectrumTrace.h"
#include "display/spectrum/WaterfallColour.h"
#include "display/spectrum/WaterfallImage.h"

#include <cstdint>
#include <span>

namespace talix::display {

// Which panels a call changed and should be repainted.
struct SpectrumRepaint {
    bool spectrum = false;  // Panel2
    bool waterfall = false; // Panel3
    bool ticks = false;     // the tick strips
};

// State of the spectrum and the waterfall: the averaging cycle, the trace of the shown line, the
// grid, the notch rectangle, the threshold row and the waterfall picture. Everything runs on the
// GUI thread; painting reads this state through SpectrumPicture and WaterfallPicture.
class SpectrumDisplay {
public:
    // One frame's spectrum line. Lines are averaged by the display rate divider; the line that
    // ends a cycle rebuilds the trace and, every WfTimeUnit shown lines, advances the waterfall.
    SpectrumRepaint DrawSpectrumLine(std::span<const uint8_t, kSpectrumLineBytes> line,
                                     const SpectrumSettings& s);

    // Rebuilds the grid, the tick marks, GridOffset and the notch rectangle. To be called when
    // BinHz changed, ModeIndex changed at 160 Hz bins, Bandwidth changed in modes from 7 on at
    // 160 Hz bins, TunedFreq crossed 10 MHz in SBCW, or the audio resolution changed. The caller
    // then marks the frequency scales (they read gridOffset()) for repainting.
    SpectrumRepaint RebuildGrid(const SpectrumSettings& s);

    // Rebuilds the notch rectangle after new passband and marker edges.
    SpectrumRepaint RebuildMarkerPath(const SpectrumSettings& s);

    // Places the threshold line after Threshold, TopLevel, DbPerDiv or the level unit changed.
    SpectrumRepaint PlaceThresholdLine(const SpectrumSettings& s);

    float gridOffset() const { return m_grid.gridOffset; }
    int thresholdRow() const { return m_thresholdRow; }
    const SpectrumTrace& trace() const { return m_trace; }
    const SpectrumGrid& grid() const { return m_grid; }
    const QPainterPath& markerPath() const { return m_markerPath; }
    const WaterfallImage& waterfall() const { return m_waterfall; }
    // The settings of the latest call: what the panels are painted with.
    const SpectrumSettings& settings() const { return m_settings; }
    // Counts grid and marker rebuilds, so that cached drawings of them know when to redraw.
    uint32_t gridGeneration() const { return m_gridGeneration; }
    // Counts every call above, so that a picture of the state knows whether it is up to date.
    uint32_t generation() const { return m_generation; }

private:
    SpectrumSettings m_settings;
    SpectrumAverage m_average;
    SpectrumBins m_line{};
    SpectrumBins m_mean{};
    SpectrumTrace m_trace;
    SpectrumGrid m_grid;
    QPainterPath m_markerPath;
    int m_thresholdRow = 0;
    uint32_t m_wfLineCount = 0;
    WaterfallPalette m_palette;
    WaterfallImage m_waterfall;
    uint32_t m_gridGeneration = 0;
    uint32_t m_generation = 0;
};

} // namespace talix::display
