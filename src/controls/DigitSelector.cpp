#include "controls/DigitSelector.h"

#include "base/BoardWords.h"
#include "controls/StepDigit.h"
#include "link/CommandRecords.h"

namespace talix::controls {

bool DigitSelector::Panel9MouseMove(double x, bool dragging) {
    if (!dragging || m_queue.waiting() >= link::kQueueLimit)
        return false;
    const int c = digitAtPosition(x);
    if (c == m_tuneDigit)
        return false;
    m_tuneDigit = c;
    m_queue.QueueCommand(link::commands::setValue(board::number(board::MainItem::TuneDigit),
                                                  board::number(board::Form::Main), uint32_t(c)),
                         link::LimitRule::Drop);
    return true;
}

} // namespace talix::controls
