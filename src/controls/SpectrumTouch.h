#pragma once

#include "controls/TapTuning.h"
#include "link/CommandPort.h"

namespace talix::controls {

// Touches on the spectrum and the waterfall, without the widgets: a tap tunes to the snapped
// frequency under the finger, a drag sends relative steps, 4 pixels a step.
class SpectrumTouch {
public:
    explicit SpectrumTouch(link::CommandPort& queue) : m_queue(queue) {}

    // Touch-down at x in the panel. Where the settings let a tap tune, x becomes the reference of
    // the drag that may follow, and the snapped frequency is sent if it lies in a tunable band.
    void Panel2MouseDown(double x, const TapInputs& inputs);
    // A move to x in the panel. The reference moves only when a step is sent, so movements under
    // 4 pixels add up.
    void Panel2MouseMove(double x, bool dragging, int touchAction, bool frequencySelected);

    // TouchRefX.
    double touchRefX() const { return m_touchRefX; }

private:
    link::CommandPort& m_queue;
    double m_touchRefX = 0;
};

} // namespace talix::controls
