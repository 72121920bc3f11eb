#include "base/FileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talix {

namespace {

// `write(p, n)` writes at most n bytes from p, returning what write(2) returns.
template <typename Write>
bool writeLoop(const void* data, std::size_t n, Write write) {
    const char* p = static_cast<const char*>(data);
    while (n > 0) {
        const ssize_t w = write(p, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        p += w;
        n -= std::size_t(w);
    }
    return true;
}

} // namespace

bool writeAll(int fd, const void* data, std::size_t n) {
    return writeLoop(data, n, [fd](const char* p, std::size_t k) { return ::write(fd, p, k); });
}

bool writeAllAt(int fd, const void* data, std::size_t n, off_t offset) {
    return writeLoop(data, n, [fd, &offset](const char* p, std::size_t k) {
        const ssize_t w = ::pwrite(fd, p, k, offset);
        if (w > 0)
            offset += w;
        return w;
    });
}

bool replaceFile(const QString& path, const QByteArray& bytes, mode_t mode) {
    const QFileInfo info(path);
    const QByteArray temporary =
        QFile::encodeName(info.dir().filePath("." + info.fileName() + ".part"));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes.constData(), size_t(bytes.size())) &&
              ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    const int folder =
        ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

} // namespace talix
