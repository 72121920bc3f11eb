// talix-manpage: writes the manual pages talix(1), talix-sim(1) and talix-kiosk(1) into a
// folder, each made from its program's option table.
//
//   talix-manpage DIR
#include "KioskPage.h"
#include "SimPage.h"
#include "app/CommandLineHelp.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

bool writePage(const QDir& dir, const QString& name, const QString& text) {
    QFile out(dir.filePath(name + QStringLiteral(".1")));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(text.toUtf8()) >= 0 &&
        out.flush())
        return true;
    std::fprintf(stderr, "talix-manpage: cannot write %s\n", qPrintable(out.fileName()));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: talix-manpage DIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    using namespace talix::manpage;
    const bool written = writePage(dir, QStringLiteral("talix"), talix::app::manPage()) &&
                         writePage(dir, QStringLiteral("talix-sim"), roffPage(simPage())) &&
                         writePage(dir, QStringLiteral("talix-kiosk"), roffPage(kioskPage()));
    return written ? 0 : 1;
}
