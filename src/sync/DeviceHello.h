#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace talix::sync {

// The program's version as the start script names it: a blank and the seven characters in front
// of the first "." of the script's first line ("...TALIX123.EXE" gives " ALIX123"); " " when the
// script cannot be read.
QString programVersionText(const std::optional<QString>& startScriptFirstLine);

// LWLANDevice's identification line from the DeviceHello word w and its value word x:
// "LANV" + WiFi CPU version (2 hex digits) + " TLX" + board id (4) + " V" + board version (at least
// 3) + the program version + " SN" + serial number (3 decimal digits at least).
QString identificationText(uint32_t w, uint32_t x, const QString& programVersion);

} // namespace talix::sync
