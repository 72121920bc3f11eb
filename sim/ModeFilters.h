#pragma once

#include "base/BoardModes.h"

#include <cstdint>
#include <vector>

namespace talix::sim {

bool isKnownMode(int mode);
// The modes in the order the knob walks them.
const std::vector<uint8_t>& modeCycle();

enum class Demod { Am, Lsb, Usb, Cw, Fm };
// How a mode demodulates at a given tuned frequency (SBCW takes the sideband by the 10 MHz rule).
Demod demodOf(uint8_t mode, int64_t tunedHz);

// Audio passband relative to the tuned frequency, in Hz.
struct Passband {
    double lowHz = 0;
    double highHz = 0;
};
Passband passbandOf(uint8_t mode, int64_t tunedHz, double bandwidthHz, int shiftHz);

// CW tone when a carrier sits exactly on the tuned frequency.
constexpr double kCwPitchHz = 700;

// Bandwidth: the value item 2 reports is Hz, except in FM-W, where it is one of eight codes.
// Positions are the cells of the bandwidth pick-list (0..14).
bool bandwidthForPosition(uint8_t mode, bool fullFmList, int position, uint16_t& value);
// Hz of a reported bandwidth value in a mode (FM-W codes to Hz).
double bandwidthHz(uint8_t mode, uint16_t value);
// The values the knob walks through on EBW in a mode, narrowest first.
std::vector<uint16_t> bandwidthSteps(uint8_t mode, bool fullFmList);
uint16_t defaultBandwidth(uint8_t mode);

} // namespace talix::sim
