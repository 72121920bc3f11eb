#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <sys/types.h>

namespace talix {

// Writes all `n` bytes to `fd`, going on after interruptions and short writes; false on an error.
bool writeAll(int fd, const void* data, std::size_t n);
// The same at `offset`, leaving the file position where it was.
bool writeAllAt(int fd, const void* data, std::size_t n, off_t offset);

// Replaces the file at `path` with `bytes` so that a power loss leaves either the old file or the
// new one: written to a hidden temporary beside it, flushed to the medium, renamed over it, and
// the folder flushed. False, with the old file untouched, when any step fails.
bool replaceFile(const QString& path, const QByteArray& bytes, mode_t mode = 0644);

} // namespace talix
