#include "update/ProgramInstall.h"

#include "base/FileWrite.h"

#include <QDir>
#include <QFile>

namespace talix::update {

namespace {

constexpr qint64 kLargestProgram = 512LL * 1024 * 1024;
const QString kInstallFolder = QStringLiteral("TALIX");
const QString kScriptName = QStringLiteral("TALIX\\Start.bat");

} // namespace

QByteArray startScriptFor(const QString& name) {
    return "start C:\\TALIX\\" + name.toLocal8Bit() + "\r\nexplorer\r\n";
}

bool installProgram(const DriveMap& drives, const QString& sourcePath, const QString& name) {
    const QString folder = drives.path('C', kInstallFolder);
    if (folder.isEmpty() || name.isEmpty() || name.contains('/') || !QDir().mkpath(folder))
        return false;
    QFile source(sourcePath);
    if (source.size() > kLargestProgram || !source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray program = source.readAll();
    if (program.size() != source.size())
        return false;
    return replaceFile(QDir(folder).filePath(name), program, 0755) &&
           replaceFile(drives.path('C', kScriptName), startScriptFor(name));
}

} // namespace talix::update
