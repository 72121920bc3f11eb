#include "app/Talix.h"

#include "app/Forms.h"
#include "app/MainWindow.h"
#include "app/ProgramContext.h"
#include "app/ScreenFit.h"
#include "app/StartOptions.h"
#include "app/TermSignals.h"
#include "display/ScaledScreen.h"
#include "sim/SimBoard.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace talix::app {

namespace {
void showEscapedError(const QString& what) {
    std::fprintf(stderr, "talix: %s\n", what.toLocal8Bit().constData());
    QMessageBox::critical(nullptr, "Talix", what);
}

// The program's own arguments: the options that QApplication takes for itself ("-platform xcb",
// "--style=fusion", "-reverse", ...) are left to it.
QStringList programArguments(int argc, char** argv) {
    static const QStringList qtWithValue{
        "platform",     "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
        "qwindowtitle", "qwindowicon",        "style",         "stylesheet", "session",
        "display",      "geometry",           "qmljsdebugger"};
    static const QStringList qtSwitches{"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        QString name = argument;
        while (name.startsWith('-'))
            name.remove(0, 1);
        const bool joinedValue = name.contains('=');
        name = name.section('=', 0, 0);
        const bool option = i > 0 && argument.startsWith('-');
        if (option && qtWithValue.contains(name)) {
            if (!joinedValue)
                ++i;
            continue;
        }
        if (option && qtSwitches.contains(name))
            continue;
        arguments << argument;
    }
    return arguments;
}

// Qt scales every widget, font, event position and the backing store by QT_SCALE_FACTOR, which
// it reads only when the application starts.
void setScaleFactor(double scale) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'g', 4));
}

// The factor that fits the layout to the primary screen, where the window opens. Qt scales up
// itself, but only from the start: a program that needs a factor above 1 starts itself again with
// it. A factor below 1 is returned for the program to draw the window scaled.
double fitToScreen(bool windowed, const std::vector<char*>& originalArguments) {
    const QString platform = QGuiApplication::platformName();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") || platform == "offscreen" ||
        platform == "minimal")
        return 1.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const QSize size = windowed ? screen->availableGeometry().size() : screen->size();
    const double scale = fittedScale(size, windowed);
    if (scale <= 1.0)
        return scale;
    setScaleFactor(scale);
    execv("/proc/self/exe", originalArguments.data());
    std::fprintf(stderr, "talix: cannot restart scaled to the screen; the layout is not scaled\n");
    return 1.0;
}
} // namespace

int runTalix(int argc, char** argv) {
    // The command line is read before the application starts, so that --help, --version and a
    // mistyped option need no display.
    const ParsedOptions parsed = parseStartOptions(programArguments(argc, argv));
    if (!parsed.options) {
        std::fputs(parsed.text.toLocal8Bit().constData(), parsed.exitCode == 0 ? stdout : stderr);
        return parsed.exitCode;
    }
    // Below 1 the program draws the window scaled itself; Qt scales everything above.
    double drawnScale = 1.0;
    if (parsed.options->scale && *parsed.options->scale >= 1.0)
        setScaleFactor(*parsed.options->scale);
    else if (parsed.options->scale)
        drawnScale = *parsed.options->scale;
    // QApplication takes its own options out of argv; a restart passes them on again.
    const std::vector<char*> originalArguments(argv, argv + argc + 1);
    QApplication application(argc, argv);
    if (!parsed.options->scale)
        drawnScale = fitToScreen(parsed.options->windowed, originalArguments);
    application.setApplicationName("talix");
    FormSet* running = nullptr;
    TermSignals termSignals([&running] {
        if (running)
            running->main().endProgram();
        else
            QCoreApplication::quit();
    });
    // --demo: the simulated board runs inside the program and stands in for the board and the
    // rotator.
    std::unique_ptr<sim::SimBoard> demoBoard;
    std::string error;
    const std::optional<ProgramContext> started = programContext(*parsed.options, demoBoard, error);
    if (!started) {
        std::fprintf(stderr, "talix: the simulated board did not start: %s\n", error.c_str());
        return 1;
    }
    const ProgramContext& context = *started;

    // Goes after the forms it shows.
    std::unique_ptr<display::ScaledScreen> scaledScreen;
    try {
        FormSet forms(context);
        running = &forms;
        QWidget* window = &forms.main();
        if (drawnScale < 1.0) {
            scaledScreen = std::make_unique<display::ScaledScreen>(window, drawnScale);
            window = scaledScreen.get();
            if (!context.options.windowed)
                window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        }
        if (context.options.windowed) {
            window->show();
        } else {
            // A kiosk session has no window manager: place and size the frameless window
            // ourselves (the scaled layout sits in the middle of the screen).
            window->move(0, 0);
            if (scaledScreen)
                if (const QScreen* screen = QGuiApplication::primaryScreen())
                    window->setGeometry(screen->geometry());
            window->showFullScreen();
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
