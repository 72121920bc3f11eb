#pragma once

#include "base/Palette.h"
#include "host/HostServices.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace talix::host {

constexpr uint32_t kBatteryAbsentColour = kAqua;
constexpr uint32_t kBatteryChargingColour = kLime;
constexpr uint32_t kBatteryDrainingColour = kRed;

// What LBatt and PBat show for a power status.
struct BatteryDisplay {
    QString text;                // LBatt
    uint32_t colour = 0;         // LBatt's font colour, ARGB
    std::optional<int> barValue; // PBat, unchanged when empty
};

BatteryDisplay batteryDisplay(const PowerStatus& status);

} // namespace talix::host
