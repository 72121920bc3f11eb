#pragma once

#include <QString>

namespace talix::app {

// What `--help` prints.
QString helpText();

// The program's version as `--version` prints it.
QString versionText();

// The manual page talix(1) in roff, made from the same option table as `--help`.
QString manPage();

} // namespace talix::app
