#pragma once

#include "base/DriveMap.h"

#include <QString>

namespace talix::update {

// The program's own update: the new executable goes into C:\TALIX\ under its own name, and the
// start script C:\TALIX\Start.bat is rewritten to start it ("start C:\TALIX\NAME", then
// "explorer", each line ending in CR LF), so the next start of the host runs it. Each file is
// replaced whole, so a power loss never leaves the host without a working start script. False
// when any of it fails; the script then still names the program it named before.
bool installProgram(const DriveMap& drives, const QString& sourcePath, const QString& name);

QByteArray startScriptFor(const QString& name);

} // namespace talix::update
