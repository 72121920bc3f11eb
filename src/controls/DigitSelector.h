#pragma once

#include "link/CommandPort.h"

#include <cstdint>

namespace talix::controls {

// The step-digit selector under the step readout, without the widget: dragging along it chooses
// the digit of the tuning step that the knob changes.
class DigitSelector {
public:
    // tuneDigit is the receiver state's TuneDigit, which the board's item 27 also sets.
    DigitSelector(link::CommandPort& queue, int32_t& tuneDigit)
        : m_queue(queue), m_tuneDigit(tuneDigit) {}

    // A move to x in the selector. Returns true when the digit changed (and was sent), so that
    // the selector redraws its triangle.
    bool Panel9MouseMove(double x, bool dragging);

private:
    link::CommandPort& m_queue;
    int32_t& m_tuneDigit;
};

} // namespace talix::controls
