#include "sim/ModeFilters.h"

#include "base/Bandwidths.h"

#include <algorithm>
#include <array>

namespace talix::sim {

namespace {

constexpr auto kWideList = board::bandwidthValues(board::kWideBandwidths);
constexpr auto kQList = board::bandwidthValues(board::kQuadratureBandwidths);
constexpr auto kDigiList = board::bandwidthValues(board::kDigiBandwidths);
// FM-W codes 0..7 and their widths.
constexpr auto& kFmWide = board::kFmWideBandwidths;
// The narrow modes have no pick-list; the knob walks these.
constexpr std::array<uint16_t, 11> kCwSteps{100,  200,  300,  500,  800, 1000,
                                            1500, 2000, 2400, 2700, 3000};
constexpr std::array<uint16_t, 9> kSsbSteps{1800, 2100, 2400, 2700, 3000, 3500, 4000, 5000, 6000};

bool isQ(uint8_t mode) {
    return mode == board::kModeUsbQ || mode == board::kModeLsbQ;
}

} // namespace

bool isKnownMode(int mode) {
    return board::modeEntry(mode) != nullptr;
}

// The knob walks the modes in the board's numbering order.
const std::vector<uint8_t>& modeCycle() {
    static const std::vector<uint8_t> cycle = [] {
        std::vector<uint8_t> c;
        for (const board::ModeEntry& m : board::kModes)
            c.push_back(m.index);
        return c;
    }();
    return cycle;
}

Demod demodOf(uint8_t mode, int64_t tunedHz) {
    switch (mode) {
    case board::kModeLsb:
    case board::kModeLsbQ:
        return Demod::Lsb;
    case board::kModeUsb:
    case board::kModeEusb:
    case board::kModeUsbQ:
    case board::kModeDigi:
        return Demod::Usb;
    case board::kModeSbcw:
        return tunedHz >= 10'000'000 ? Demod::Usb : Demod::Lsb;
    case board::kModeCw:
        return Demod::Cw;
    case board::kModeFmNarrow:
    case board::kModeFmWide:
        return Demod::Fm;
    default:
        return Demod::Am;
    }
}

Passband passbandOf(uint8_t mode, int64_t tunedHz, double bandwidthHz, int shiftHz) {
    Passband p;
    switch (demodOf(mode, tunedHz)) {
    case Demod::Usb:
        p = {0, bandwidthHz};
        break;
    case Demod::Lsb:
        p = {-bandwidthHz, 0};
        break;
    default:
        p = {-bandwidthHz / 2, bandwidthHz / 2};
        break;
    }
    p.lowHz += shiftHz;
    p.highHz += shiftHz;
    return p;
}

bool bandwidthForPosition(uint8_t mode, bool fullFmList, int position, uint16_t& value) {
    if (position < 0 || position > 14)
        return false;
    if (mode == board::kModeFmWide) {
        if (position > 7 || (kFmWide[position].fullListOnly && !fullFmList))
            return false;
        value = uint16_t(position);
        return true;
    }
    if (mode == board::kModeDigi) {
        if (position >= int(kDigiList.size()))
            return false;
        value = kDigiList[size_t(position)];
        return true;
    }
    value = isQ(mode) ? kQList[size_t(position)] : kWideList[size_t(position)];
    return true;
}

double bandwidthHz(uint8_t mode, uint16_t value) {
    if (mode == board::kModeFmWide)
        return value < std::size(kFmWide) ? kFmWide[value].hz : 120000;
    return value;
}

std::vector<uint16_t> bandwidthSteps(uint8_t mode, bool fullFmList) {
    std::vector<uint16_t> steps;
    switch (demodOf(mode, 0)) {
    case Demod::Cw:
        steps.assign(kCwSteps.begin(), kCwSteps.end());
        return steps;
    case Demod::Usb:
    case Demod::Lsb:
        if (mode == board::kModeDigi)
            steps.assign(kDigiList.begin(), kDigiList.end());
        else if (isQ(mode))
            steps.assign(kQList.begin(), kQList.end());
        else
            steps.assign(kSsbSteps.begin(), kSsbSteps.end());
        return steps;
    default:
        break;
    }
    if (mode == board::kModeFmWide) {
        for (uint16_t code = 0; code < 8; ++code)
            if (fullFmList || !kFmWide[code].fullListOnly)
                steps.push_back(code);
        // Codes in order of width: 0 38k, 1 50k, 2/3 60k, 4 120k, 5 140k, 6 240k, 7 300k.
        return steps;
    }
    steps.assign(kWideList.begin(), kWideList.end());
    return steps;
}

uint16_t defaultBandwidth(uint8_t mode) {
    switch (demodOf(mode, 0)) {
    case Demod::Cw:
        return 500;
    case Demod::Usb:
    case Demod::Lsb:
        return mode == board::kModeDigi ? 2000 : isQ(mode) ? 3000 : 2700;
    case Demod::Fm:
        return mode == board::kModeFmWide ? 4 : 12000;
    default:
        return 8000;
    }
}

} // namespace talix::sim
