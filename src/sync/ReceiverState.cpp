#include "sync/ReceiverState.h"

namespace talix::sync {

int* SliderPositions::of(MainControl bar) {
    switch (bar) {
    case MainControl::SBKH:
        return &SBKH;
    case MainControl::SBLSP:
        return &SBLSP;
    case MainControl::TB_Att:
        return &TB_Att;
    case MainControl::TBWFH:
        return &TBWFH;
    case MainControl::TBWFL:
        return &TBWFL;
    default:
        return nullptr;
    }
}

int SliderPositions::at(MainControl bar) const {
    const int* p = const_cast<SliderPositions*>(this)->of(bar);
    return p ? *p : 0;
}

} // namespace talix::sync
