#include "controls/FieldTouch.h"

#include "link/CommandRecords.h"

namespace talix::controls {

namespace {
constexpr int kTagEFreq1 = 0;
constexpr int kTagFrequencyEntry = 19;
constexpr int kTagEHold = 22;
constexpr int kTagEAttack = 23;
} // namespace

std::optional<link::Command> fieldSelectCommand(int tag, int maxLength,
                                                const FieldTouchInputs& in) {
    if (in.memoryKeypadOwnsTouches)
        return std::nullopt;
    if (tag == kTagEHold || tag == kTagEAttack) {
        const bool automatic = (uint32_t(in.receiverFlags) >> (in.gainCtrlIndex % 32)) & 1u;
        if (!automatic)
            return std::nullopt;
    }
    const int sent = tag == kTagEFreq1 && in.tuneMode ? kTagFrequencyEntry : tag;
    return link::commands::fieldSelect(sent, link::commands::kMainWindow, maxLength);
}

} // namespace talix::controls
