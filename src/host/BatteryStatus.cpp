#include "host/BatteryStatus.h"

#include "host/SysfsFile.h"

#include <cmath>

namespace talix::host {

namespace {

constexpr int kFullCharge = 100;

bool isSystemBattery(const QString& supply) {
    if (readAttribute(supply, "type") != QString("Battery"))
        return false;
    // Keyboards, mice and headsets report their own batteries with the scope "Device".
    if (readAttribute(supply, "scope") == QString("Device"))
        return false;
    return readAttribute(supply, "present") != QString("0");
}

// The charge in per cent, from `capacity` or else from the energy or charge counters.
std::optional<int> chargePercent(const QString& supply) {
    if (const auto capacity = readNumber(supply, "capacity"); capacity && *capacity >= 0)
        return int(std::min<long long>(*capacity, kFullCharge));
    for (const auto& [now, full] :
         {std::pair{"energy_now", "energy_full"}, std::pair{"charge_now", "charge_full"}}) {
        const auto n = readNumber(supply, now);
        const auto f = readNumber(supply, full);
        if (n && f && *n >= 0 && *f > 0)
            return int(std::lround(std::min(double(*n) / double(*f), 1.0) * kFullCharge));
    }
    return std::nullopt;
}

} // namespace

PowerStatus readPowerSupplies(const QString& folder) {
    bool anyBattery = false;
    bool charging = false;
    int knownCount = 0;
    int percentSum = 0;
    for (const QString& supply : deviceFolders(folder)) {
        if (!isSystemBattery(supply))
            continue;
        anyBattery = true;
        if (readAttribute(supply, "status") == QString("Charging"))
            charging = true;
        if (const auto percent = chargePercent(supply)) {
            ++knownCount;
            percentSum += *percent;
        }
    }
    if (!anyBattery)
        return {kNoSystemBattery, kUnknownCharge};
    PowerStatus status;
    status.batteryFlag = charging ? kBatteryCharging : 0;
    status.lifePercent = knownCount == 0
                             ? kUnknownCharge
                             : uint8_t(std::lround(double(percentSum) / double(knownCount)));
    return status;
}

} // namespace talix::host
