#pragma once

#include "base/DriveMap.h"

#include <QString>
#include <optional>

namespace talix::session {

// The start script that starts this program (C:\TALIX\Start.bat); the software update rewrites it.
constexpr const char* kStartScript = "TALIX\\Start.bat";

// Its first line without the line end; nothing when it cannot be read.
std::optional<QString> startScriptFirstLine(const DriveMap& drives);

} // namespace talix::session
