#include "app/Talix.h"

#include "app/StartOptions.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace talix::app {

int runTalix(int argc, char** argv) {
    QApplication application(argc, argv);
    const ParsedOptions parsed = parseStartOptions(application.arguments());
    if (!parsed.options) {
        std::fputs(parsed.text.toLocal8Bit().constData(), parsed.exitCode == 0 ? stdout : stderr);
        return parsed.exitCode;
    }
    QWidget window;
    window.resize(1920, 1200);
    window.show();
    return application.exec();
}

} // namespace talix::app
