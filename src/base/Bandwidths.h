#pragma once

#include "base/BoardModes.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <span>

// The bandwidths of the bandwidth list: the value the board takes and reports for each cell and
// the text the cell shows. The list, the bandwidth readout and the simulated board take them from
// here.
namespace talix::board {

// One cell of a list: the bandwidth in Hz and its text.
struct Bandwidth {
    uint16_t hz;
    const char* label;
};

// The list of the modes without a list of their own.
constexpr Bandwidth kWideBandwidths[] = {
    {3000, "3,0k"},   {3500, "3,5k"},   {4000, "4,0k"},   {4500, "4,5k"},   {5000, "5,0k"},
    {6000, "6,0k"},   {7000, "7,0k"},   {8000, "8,0k"},   {9000, "9,0k"},   {10000, "10,0k"},
    {12000, "12,0k"}, {14000, "14,0k"}, {16000, "16,0k"}, {18000, "18,0k"}, {20000, "20,0k"},
};
// USBQ and LSBQ.
constexpr Bandwidth kQuadratureBandwidths[] = {
    {1500, "1,5k"}, {1750, "1,75k"}, {2000, "2,0k"}, {2250, "2,25k"}, {2500, "2,5k"},
    {3000, "3,0k"}, {3500, "3,5k"},  {4000, "4,0k"}, {4500, "4,5k"},  {5000, "5,0k"},
    {6000, "6,0k"}, {7000, "7,0k"},  {8000, "8,0k"}, {9000, "9,0k"},  {10000, "10,0k"},
};
constexpr Bandwidth kDigiBandwidths[] = {
    {125, "125"}, {250, "250"}, {500, "500"}, {1000, "1,0k"}, {2000, "2,0k"}, {4000, "4,0k"},
};

// FM-W: the board takes and reports a code, the list position; the stereo-only codes are in the
// list only when the board asks for the full list.
struct FmWideBandwidth {
    const char* label;
    uint32_t hz;
    bool fullListOnly;
};
constexpr FmWideBandwidth kFmWideBandwidths[] = {
    {"38k S", 38000, true},     {"50k S", 50000, false},    {"60k HQ", 60000, false},
    {"60k S", 60000, true},     {"120k HQ", 120000, false}, {"140k S", 140000, true},
    {"240k HQ", 240000, false}, {"300k HQ", 300000, true},
};

// The passband in Hz of a bandwidth as the board reports it: Hz from 10 on, below that an FM-W
// code; 0 for a code no cell has.
constexpr uint32_t bandwidthHz(uint16_t reported) {
    constexpr uint16_t kFirstInHz = 10;
    if (reported >= kFirstInHz)
        return reported;
    return reported < std::size(kFmWideBandwidths) ? kFmWideBandwidths[reported].hz : 0;
}

// The cells of a mode's list other than FM-W's.
constexpr std::span<const Bandwidth> bandwidthList(int modeIndex) {
    switch (modeIndex) {
    case kModeDigi:
        return kDigiBandwidths;
    case kModeUsbQ:
    case kModeLsbQ:
        return kQuadratureBandwidths;
    default:
        return kWideBandwidths;
    }
}

// The values of a list, for those that walk them.
template <size_t N> constexpr std::array<uint16_t, N> bandwidthValues(const Bandwidth (&list)[N]) {
    std::array<uint16_t, N> values{};
    for (size_t i = 0; i < N; ++i)
        values[i] = list[i].hz;
    return values;
}

} // namespace talix::board
