#pragma once

#include "base/DriveMap.h"

#include <QString>
#include <optional>

namespace talix::update {

enum class UpdateTarget { UserInterface, Firmware, WiFi };

// An update file found on a stick.
struct UpdateFile {
    QString name;       // "TALIX7.EXE", as the target's edit shows it
    QString sourcePath; // "E:\TALIX7.EXE"
    QString hostPath;   // where that is on this host
};

// The target's file: "TALIX*.EXE", "TALIX*.QFM" or "TALIX*.BIN", looked for on D: and, when
// nothing matches there, on E:. Sticks are FAT formatted, so the pattern ignores case; of several
// matches the first by name is taken.
std::optional<UpdateFile> findUpdateFile(const DriveMap& drives, UpdateTarget target);

} // namespace talix::update
