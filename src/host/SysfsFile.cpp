#include "host/SysfsFile.h"

#include <QDir>
#include <QFile>

namespace talix::host {

namespace {
// Attribute files hold a line or two; anything longer is not one.
constexpr qint64 kAttributeLimit = 4096;
} // namespace

std::optional<QString> readAttribute(const QString& folder, const char* name) {
    QFile file(folder + '/' + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kAttributeLimit);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return QString::fromUtf8(bytes).trimmed();
}

std::optional<long long> readNumber(const QString& folder, const char* name) {
    const auto text = readAttribute(folder, name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const long long value = text->toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QStringList deviceFolders(const QString& classFolder) {
    const QDir dir(classFolder);
    QStringList folders;
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << dir.filePath(name);
    return folders;
}

} // namespace talix::host
