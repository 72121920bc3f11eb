#include "controls/FieldTouch.h"

#include "base/BoardWords.h"
#include "link/CommandRecords.h"

namespace talix::controls {

using board::Field;
using board::number;

std::optional<link::Command> fieldSelectCommand(int tag, int maxLength,
                                                const FieldTouchInputs& in) {
    if (in.memoryKeypadOwnsTouches)
        return std::nullopt;
    if (tag == number(Field::EHold) || tag == number(Field::EAttack)) {
        const bool automatic = (uint32_t(in.receiverFlags) >> (in.gainCtrlIndex % 32)) & 1u;
        if (!automatic)
            return std::nullopt;
    }
    const int sent =
        tag == number(Field::EFreq1) && in.tuneMode ? number(Field::FrequencyEntry) : tag;
    return link::commands::fieldSelect(sent, number(board::Form::Main), maxLength);
}

} // namespace talix::controls
