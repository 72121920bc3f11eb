#include "sync/MainItemTable.h"

#include <array>

namespace talix::sync {

namespace {

constexpr uint8_t kVariable = 0;

// Value words per item; kVariable: 47 (1 or 5) and 59 (1 + byte count in words).
constexpr std::array<uint8_t, board::kMainItems> kWords = {
    3, 1,  1, 1, 1, 1, 1, 1,         1, 1,         //  0- 9
    1, 1,  1, 1, 1, 1, 1, 1,         1, 1,         // 10-19
    1, 1,  1, 1, 1, 1, 1, 1,         1, 1,         // 20-29
    1, 1,  1, 3, 1, 1, 1, 1,         1, 1,         // 30-39
    3, 1,  1, 1, 1, 1, 1, kVariable, 4, 16,        // 40-49
    1, 10, 2, 1, 1, 2, 2, 1,         2, kVariable, // 50-59
};

} // namespace

uint64_t mainItemWords(int item, std::span<const uint32_t> following) {
    if (item < 0 || item >= board::kMainItems)
        return 1;
    if (kWords[size_t(item)] != kVariable)
        return kWords[size_t(item)];
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
