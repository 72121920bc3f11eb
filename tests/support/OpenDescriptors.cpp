#include "support/OpenDescriptors.h"

#include <QDir>
#include <QFileInfo>

namespace talix::testing {

int openDescriptors(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return 0;
    int count = 0;
    const QDir fds("/proc/self/fd");
    for (const QFileInfo& fd : fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        if (fd.symLinkTarget() == target)
            ++count;
    return count;
}

} // namespace talix::testing
