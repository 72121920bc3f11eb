#include "session/StartScript.h"

#include <QFile>

namespace talix::session {

std::optional<QString> startScriptFirstLine(const DriveMap& drives) {
    QFile script(drives.path('C', kStartScript));
    if (!script.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = script.readLine(4096);
    return QString::fromLocal8Bit(line).remove('\r').remove('\n');
}

} // namespace talix::session
