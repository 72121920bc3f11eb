#pragma once

#include <cstdint>
#include <string_view>

// Hamlib's numbers and names this receiver's network protocol uses (hamlib/rig.h).
namespace talix::rigctl::hamlib {

// rmode_t bits of the modes the board's modes map to.
constexpr uint64_t kModeAm = 1ull << 0;
constexpr uint64_t kModeCw = 1ull << 1;
constexpr uint64_t kModeUsb = 1ull << 2;
constexpr uint64_t kModeLsb = 1ull << 3;
constexpr uint64_t kModeFm = 1ull << 5;
constexpr uint64_t kModeWfm = 1ull << 6;
constexpr uint64_t kModePktUsb = 1ull << 11;
constexpr uint64_t kModeSam = 1ull << 16;
constexpr uint64_t kModeDsb = 1ull << 19;

// The bit of a Hamlib mode name, 0 for a name not listed here.
constexpr uint64_t modeBit(std::string_view name) {
    struct Named {
        std::string_view name;
        uint64_t bit;
    };
    constexpr Named kNamed[] = {
        {"AM", kModeAm},         {"CW", kModeCw},   {"USB", kModeUsb},
        {"LSB", kModeLsb},       {"FM", kModeFm},   {"WFM", kModeWfm},
        {"PKTUSB", kModePktUsb}, {"SAM", kModeSam}, {"DSB", kModeDsb},
    };
    for (const Named& n : kNamed)
        if (n.name == name)
            return n.bit;
    return 0;
}

// setting_t bits of the levels the receiver reads.
constexpr uint64_t kLevelAf = 1ull << 3;
constexpr uint64_t kLevelStrength = 1ull << 30;

constexpr uint32_t kVfoA = 1u << 0;
constexpr int kModelNetRigctl = 2;
// S9 on Hamlib's STRENGTH scale (dB over S9), in dBm.
constexpr int kS9Dbm = -73;

} // namespace talix::rigctl::hamlib
