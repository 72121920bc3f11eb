#pragma once

#include <QString>
#include <cstdint>
#include <memory>

namespace talix::host {

// Battery flags of the power status query; only these two are acted on.
constexpr uint8_t kBatteryCharging = 8;
constexpr uint8_t kNoSystemBattery = 128;
// The charge the host reports when it cannot tell.
constexpr uint8_t kUnknownCharge = 255;

// The host's power status as its power status query reports it.
struct PowerStatus {
    uint8_t batteryFlag = kNoSystemBattery;
    uint8_t lifePercent = kUnknownCharge; // 0..100, or kUnknownCharge
};

// Display policy bits of a brightness request.
constexpr uint8_t kPolicyMains = 1;
constexpr uint8_t kPolicyBattery = 2;
constexpr uint8_t kPolicyBoth = kPolicyMains | kPolicyBattery;

// The display driver's set-brightness request: which settings to change and the level in per cent
// on mains and on battery power.
struct BrightnessRequest {
    uint8_t policy = 0;
    uint8_t mainsLevel = 0;
    uint8_t batteryLevel = 0;

    bool operator==(const BrightnessRequest&) const = default;
};

// What the program asks of the machine it runs on. Every operation is silent: a request the host
// refuses, or a privilege it does not grant, simply has no effect.
class HostServices {
public:
    virtual ~HostServices() = default;

    virtual PowerStatus powerStatus() = 0;

    // Opens the display device; brightness requests have no effect unless this succeeded.
    virtual void openDisplay() = 0;
    virtual void setDisplayBrightness(const BrightnessRequest& request) = 0;

    // Whether the host lets this program switch it off. Both ways of ending from the OFF button
    // require it.
    virtual bool obtainShutdownPrivilege() = 0;
    // Switches the host off; the program ends with it.
    virtual void powerOff() = 0;
};

// "system" or "simulated" (anything else is taken as simulated, which cannot harm the machine).
// On a machine marked as a test machine (TALIX_LOOPBACK_ONLY set) the system services are
// replaced by simulated ones, so that no test or trial run can switch the host off or change its
// display.
std::unique_ptr<HostServices> makeHostServices(const QString& kind);

} // namespace talix::host
