#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace talix::host {

// The trimmed text of a small attribute file of a sysfs-like tree; nothing when it is missing or
// unreadable.
std::optional<QString> readAttribute(const QString& folder, const char* name);

// The attribute as a whole number; nothing when it is missing or not a number.
std::optional<long long> readNumber(const QString& folder, const char* name);

// The entries of a class folder (each a device folder or a link to one), by name.
QStringList deviceFolders(const QString& classFolder);

} // namespace talix::host
