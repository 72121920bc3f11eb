#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace talix::host {

// A display backlight of a backlight class folder (/sys/class/backlight).
struct BacklightDevice {
    QString folder;        // .../backlight/<name>
    QString name;          // <name>, as logind knows it
    long long maximum = 0; // max_brightness, above 0
};

// The display's backlight: firmware interfaces before platform drivers before raw registers, by
// name within each kind; nothing when the folder offers none that can be driven.
std::optional<BacklightDevice> findBacklight(const QString& classFolder);

// The device value for a level in per cent (levels above 100 count as 100). The backlight is never
// switched off: the lowest level leaves the screen dim but readable.
long long backlightValue(uint8_t percent, long long maximum);

// Writes the device value; false when the attribute cannot be written (no permission).
bool writeBacklight(const BacklightDevice& device, long long value);

} // namespace talix::host
