#pragma once

#include "host/HostServices.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace talix::host {

constexpr uint32_t kBatteryAbsentColour = 0xFF00FFFF;   // cyan
constexpr uint32_t kBatteryChargingColour = 0xFF00FF00; // green
constexpr uint32_t kBatteryDrainingColour = 0xFFFF0000; // red

// What LBatt and PBat show for a power status.
struct BatteryDisplay {
    QString text;                // LBatt
    uint32_t colour = 0;         // LBatt's font colour, ARGB
    std::optional<int> barValue; // PBat, unchanged when empty
};

BatteryDisplay batteryDisplay(const PowerStatus& status);

} // namespace talix::host
