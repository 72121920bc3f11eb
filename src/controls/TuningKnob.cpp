#include "controls/TuningKnob.h"

#include "controls/KnobArithmetic.h"
#include "link/CommandRecords.h"

namespace talix::controls {

TuningKnob::TuningKnob(link::CommandPort& queue, float& knobAngle, float& knobRefAngle,
                       std::function<void()> knobMoved)
    : m_queue(queue), m_knobAngle(knobAngle), m_knobRefAngle(knobRefAngle),
      m_knobMoved(std::move(knobMoved)) {}

void TuningKnob::S_GeberMouseDown(double x, double y, double w, double h) {
    m_knobRefAngle = knobPointAngle(x, y, w, h);
}

void TuningKnob::S_GeberMouseMove(double x, double y, double w, double h, bool dragging) {
    if (dragging && !onKnobCentreLine(x, y, w, h) && m_pending == 0) {
        const float a = knobPointAngle(x, y, w, h);
        if (const int direction = knobStepDirection(a, m_knobRefAngle)) {
            m_pending = direction;
            m_knobRefAngle = a;
            m_knobAngle = a; // the mark follows the finger
        }
    }
    if (m_pending == 0)
        return;
    if (m_queue.QueueCommand(link::commands::knobStep(kKnobStepSize * m_pending),
                             link::LimitRule::Drop) != link::QueueResult::Queued)
        return;
    m_pending = 0;
    if (m_knobMoved)
        m_knobMoved();
}

void TuningKnob::S_GeberMouseWheel(int wheelDelta) {
    if (m_queue.QueueCommand(link::commands::knobStep(wheelStep(wheelDelta)),
                             link::LimitRule::Drop) != link::QueueResult::Queued)
        return;
    m_knobAngle = wheelMarkAngle(m_knobAngle, wheelDelta);
    if (m_knobMoved)
        m_knobMoved();
}

} // namespace talix::controls
