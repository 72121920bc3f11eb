// talix-manpage: writes the manual page talix(1), made from the program's option table.
//
//   talix-manpage FILE
#include "app/CommandLineHelp.h"

#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: talix-manpage FILE\n", stderr);
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(talix::app::manPage().toUtf8()) < 0 || !out.flush()) {
        std::fprintf(stderr, "talix-manpage: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
