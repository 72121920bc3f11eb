#include "controls/SpectrumTouch.h"

#include "base/BoardWords.h"
#include "link/CommandRecords.h"

namespace talix::controls {

void SpectrumTouch::Panel2MouseDown(double x, const TapInputs& inputs) {
    if (!tapTunes(inputs))
        return;
    m_touchRefX = x;
    if (const auto f = tapTuneFrequency(inputs, x))
        m_queue.QueueCommand(link::commands::tuneTo(*f), link::LimitRule::Notify);
}

void SpectrumTouch::Panel2MouseMove(double x, bool dragging, int touchAction,
                                    bool frequencySelected) {
    const int d = dragSteps(m_touchRefX, x);
    if (!dragging || m_queue.waiting() >= link::kQueueLimit || d == 0 ||
        !dragTunes(touchAction, frequencySelected))
        return;
    m_touchRefX = x;
    m_queue.QueueCommand(link::commands::knobStep(d), link::LimitRule::Drop);
}

} // namespace talix::controls
