#include "sync/MainItemTable.h"

namespace talix::sync {

uint64_t mainItemWords(int item, std::span<const uint32_t> following) {
    if (item < 0 || item >= board::kMainItems)
        return 1;
    if (const uint8_t words = board::kMainItemWords[size_t(item)]; words != board::kVariableWords)
        return words;
    if (following.empty())
        return 1; // the size word itself is missing
    if (item == board::number(board::MainItem::ProgrammeType))
        return following[0] == 0 ? 1 : 5;
    if (item == board::number(board::MainItem::SlideData))
        return 1 + (uint64_t(following[0]) + 3) / 4;
    return 1;
}

SliderRange sliderRange(MainControl slider) {
    switch (slider) {
    case MainControl::SBKH:
    case MainControl::SBLSP:
        return {0, 255}; // Max 300 less the viewport of 45
    case MainControl::TB_Att:
        return {0, 35};
    case MainControl::TBWFH:
        return {1, 160};
    case MainControl::TBWFL:
        return {0, 159};
    default:
        return {0, 0};
    }
}

} // namespace talix::sync
