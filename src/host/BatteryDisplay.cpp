#include "host/BatteryDisplay.h"

#include <algorithm>

namespace talix::host {

namespace {
constexpr int kBarMaximum = 100;
} // namespace

BatteryDisplay batteryDisplay(const PowerStatus& status) {
    if (status.batteryFlag == kNoSystemBattery)
        return {"n/a", kBatteryAbsentColour, std::nullopt};
    BatteryDisplay d;
    // An unknown charge (255) is shown as the number the host gave.
    d.text = QString::number(status.lifePercent) + "%";
    d.colour = (status.batteryFlag & kBatteryCharging) != 0 ? kBatteryChargingColour
                                                            : kBatteryDrainingColour;
    // The bar runs from 0 to 100 and stands at its end for anything above.
    d.barValue = std::min<int>(status.lifePercent, kBarMaximum);
    return d;
}

} // namespace talix::host
