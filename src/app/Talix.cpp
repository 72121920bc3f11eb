#include "app/Talix.h"

#include "app/Forms.h"
#include "app/StartOptions.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>

namespace talix::app {

namespace {
void showEscapedError(const QString& what) {
    std::fprintf(stderr, "talix: %s\n", what.toLocal8Bit().constData());
    QMessageBox::critical(nullptr, "Talix", what);
}
} // namespace

int runTalix(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName("talix");
    const ParsedOptions parsed = parseStartOptions(application.arguments());
    if (!parsed.options) {
        std::fputs(parsed.text.toLocal8Bit().constData(), parsed.exitCode == 0 ? stdout : stderr);
        return parsed.exitCode;
    }
    TFMain::Context context;
    context.options = *parsed.options;
    context.drives = DriveMap::fromEnvironment(context.options.drives);
    try {
        FormSet forms(context);
        TFMain& main = forms.main();
        if (context.options.windowed) {
            main.show();
        } else {
            // A kiosk session has no window manager: place the frameless window ourselves.
            main.move(0, 0);
            main.showFullScreen();
        }
        application.exec();
    } catch (const std::exception& e) {
        showEscapedError(e.what());
    } catch (...) {
        showEscapedError(QString());
    }
    return 0;
}

} // namespace talix::app
