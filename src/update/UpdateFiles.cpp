#include "update/UpdateFiles.h"

#include <QDir>

namespace talix::update {

namespace {

QString patternOf(UpdateTarget target) {
    switch (target) {
    case UpdateTarget::UserInterface: return QStringLiteral("TALIX*.EXE");
    case UpdateTarget::Firmware: return QStringLiteral("TALIX*.QFM");
    case UpdateTarget::WiFi: return QStringLiteral("TALIX*.BIN");
    }
    return {};
}

} // namespace

std::optional<UpdateFile> findUpdateFile(const DriveMap& drives, UpdateTarget target) {
    for (const QChar drive : {QChar('D'), QChar('E')}) {
        const QString root = drives.root(drive);
        if (root.isEmpty())
            continue;
        QDir dir(root);
        dir.setNameFilters({patternOf(target)});
        dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
        dir.setSorting(QDir::Name | QDir::IgnoreCase);
        const QStringList names = dir.entryList();
        if (names.isEmpty())
            continue;
        const QString name = names.first();
        return UpdateFile{name, QString(drive) + QStringLiteral(":\\") + name,
                          dir.absoluteFilePath(name)};
    }
    return std::nullopt;
}

} // namespace talix::update
