#pragma once

#include <QString>

namespace talix::testing {

// How many of this process's file descriptors are open on the file at `path` (Linux).
int openDescriptors(const QString& path);

} // namespace talix::testing
