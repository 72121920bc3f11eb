#pragma once

#include <QChar>
#include <QString>
#include <map>

namespace talix {

// Where the drives the receiver program knows (C: its own data, D: and E: update sticks, F: the
// export stick) live on this host.
class DriveMap {
public:
    // C: defaults to $XDG_DATA_HOME/talix; D:, E:, F: to the first, second and third removable
    // medium mounted under /media/$USER or /run/media/$USER. `overrides` come from --drive.
    static DriveMap fromEnvironment(const std::map<QChar, QString>& overrides);

    void set(QChar letter, const QString& dir) { m_dirs[letter.toUpper()] = dir; }
    // The folder of a drive; empty when the drive is not present.
    QString root(QChar letter) const;
    // "C:\WAV\File3.WAV" style paths mapped below the drive's folder.
    QString path(QChar letter, const QString& relative) const;

private:
    std::map<QChar, QString> m_dirs;
};

} // namespace talix
