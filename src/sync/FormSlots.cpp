#include "sync/FormSlots.h"

namespace talix::sync {

uint64_t FormSlots::valueWords(int index, std::span<const uint32_t> following) {
    if (index == board::number(board::Form::Memory))
        return 5;
    if (index == board::number(board::Form::DAB))
        return following.empty() ? 1 : 1 + uint64_t(following[0]);
    return 1;
}

SlotForm* FormSlots::at(int index) const {
    return index >= 0 && index < kSlots ? m_forms[size_t(index)] : nullptr;
}

void FormSlots::set(int index, SlotForm* form) {
    if (index >= 0 && index < kSlots)
        m_forms[size_t(index)] = form;
}

} // namespace talix::sync
