#include "base/DriveMap.h"

#include <QDir>
#include <QStandardPaths>

namespace talix {

namespace {
QStringList removableMedia() {
    const QString user = qEnvironmentVariable("USER");
    QStringList found;
    for (const QString& base : {QString("/media/") + user, QString("/run/media/") + user}) {
        QDir dir(base);
        if (user.isEmpty() || !dir.exists())
            continue;
        for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            found << dir.filePath(entry);
    }
    return found;
}
} // namespace

DriveMap DriveMap::fromEnvironment(const std::map<QChar, QString>& overrides) {
    DriveMap map;
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + "/.local/share";
    map.set('C', data + "/talix");
    const QStringList media = removableMedia();
    const QString letters = "DEF";
    for (int i = 0; i < letters.size() && i < media.size(); ++i)
        map.set(letters[i], media[i]);
    for (const auto& [letter, dir] : overrides)
        map.set(letter, dir);
    return map;
}

QString DriveMap::root(QChar letter) const {
    const auto it = m_dirs.find(letter.toUpper());
    return it == m_dirs.end() ? QString() : it->second;
}

QString DriveMap::path(QChar letter, const QString& relative) const {
    const QString r = root(letter);
    if (r.isEmpty())
        return QString();
    QString rel = relative;
    rel.replace('\\', '/');
    while (rel.startsWith('/'))
        rel.remove(0, 1);
    return QDir(r).filePath(rel);
}

} // namespace talix
