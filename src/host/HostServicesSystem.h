#pragma once

#include "host/Backlight.h"
#include "host/HostServices.h"

#include <optional>

namespace talix::host {

// The Linux host: battery from the power-supply class, brightness through the backlight class (or,
// where the program may not write it, through logind's SetBrightness for the session), switching
// off through logind's PowerOff. Both logind calls go out without waiting for the answer.
class SystemHostServices : public HostServices {
public:
    // `classRoot` holds the power_supply and backlight class folders.
    explicit SystemHostServices(QString classRoot = "/sys/class");

    PowerStatus powerStatus() override;
    void openDisplay() override;
    void setDisplayBrightness(const BrightnessRequest& request) override;
    bool obtainShutdownPrivilege() override;
    void powerOff() override;

    const std::optional<BacklightDevice>& display() const { return m_display; }

private:
    QString m_classRoot;
    std::optional<BacklightDevice> m_display; // the display device, once opened
    bool m_throughLogind = false;             // the attribute refused a write once
};

} // namespace talix::host
