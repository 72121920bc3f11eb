#pragma once

#include "link/CommandPort.h"

#include <functional>

namespace talix::controls {

// The tuning knob's handlers, without the widget: the finger's angle turns into knob steps of
// +2 (clockwise) or -2, one per 12 degrees and at most one per move, and the wheel into one step
// per event. The knob's mark and reference angle live in the receiver state (the board's
// knob-step words move them too); knobMoved is told whenever a sent step moved the mark, so that
// the painter redraws it.
class TuningKnob {
public:
    TuningKnob(link::CommandPort& queue, float& knobAngle, float& knobRefAngle,
               std::function<void()> knobMoved);

    // Touch-down or tap at (x, y) in the knob's own w x h coordinates: the reference for the
    // following moves. Nothing is sent.
    void S_GeberMouseDown(double x, double y, double w, double h);
    // A move, dragging or not. A computed step that the full queue refused stays pending and is
    // sent by a later move; no new step is computed meanwhile.
    void S_GeberMouseMove(double x, double y, double w, double h, bool dragging);
    // A wheel turn anywhere on the main window, or handed over by another form. With a full queue
    // nothing happens.
    void S_GeberMouseWheel(int wheelDelta);

    // KnobPending: -1, 0 or +1.
    int pending() const { return m_pending; }

private:
    link::CommandPort& m_queue;
    float& m_knobAngle;
    float& m_knobRefAngle;
    std::function<void()> m_knobMoved;
    int m_pending = 0;
};

} // namespace talix::controls
