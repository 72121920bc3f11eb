#include "app/Talix.h"

#include "app/DemoBoard.h"
#include "app/Forms.h"
#include "app/StartOptions.h"
#include "app/TermSignals.h"
#include "sim/SimBoard.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <memory>

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
    FormSet* running = nullptr;
    TermSignals termSignals([&running] {
        if (running)
            running->main().endProgram();
        else
            QCoreApplication::quit();
    });
    TFMain::Context context;
    context.options = *parsed.options;
    context.drives = DriveMap::fromEnvironment(context.options.drives);

    // --demo: the simulated board runs inside the program and stands in for the board and the
    // rotator.
    std::unique_ptr<sim::SimBoard> demoBoard;
    if (context.options.demo) {
        std::string error;
        demoBoard = startDemoBoard(context.options, error);
        if (!demoBoard) {
            std::fprintf(stderr, "talix: the simulated board did not start: %s\n", error.c_str());
            return 1;
        }
    }

    try {
        FormSet forms(context);
        running = &forms;
        TFMain& main = forms.main();
        if (context.options.windowed) {
            main.show();
        } else {
            // A kiosk session has no window manager: place the frameless window ourselves.
            main.move(0, 0);
            main.showFullScreen();
        }
        application.exec();
        running = nullptr;
    } catch (const std::exception& e) {
        running = nullptr;
        showEscapedError(e.what());
    } catch (...) {
        running = nullptr;
        showEscapedError(QString());
    }
    return 0;
}

} // namespace talix::app
