// talix-screenshot: runs the program's main window with the given program options (normally
// --demo, the built-in simulated board), lets it show the board's reports for a while and saves
// the window as a PNG, with the forms the board shows on it. Each --press clicks the shown button
// with that text (a main-window button, then one on the form it opened, ...) and lets the board
// answer before the next; --double-tap NAME double-taps the main window's widget of that name (a
// readout that opens a pick list). A form that asks in its own event loop (a pick list, a
// question) is shot while it asks, and then dismissed, unless --answer TEXT after the action that
// opened it names the button to touch on it instead.
//
//   talix-screenshot --out FILE [--frames N]
//                    [--press TEXT | --double-tap NAME [--answer TEXT]]... [program options]
#include "app/Forms.h"
#include "app/ProgramContext.h"
#include "app/StartOptions.h"
#include "sim/SimBoard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

using namespace talix;
using namespace talix::app;

namespace {

constexpr int kDefaultFrames = 320; // four seconds of the board's stream
constexpr auto kStreamTimeout = std::chrono::seconds(30);
constexpr auto kSettleTimeout = std::chrono::seconds(5);

bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Takes "--name VALUE" out of the argument list.
QString takeOption(QStringList& arguments, const QString& name) {
    const qsizetype i = arguments.indexOf(name);
    if (i < 0 || i + 1 >= arguments.size())
        return {};
    const QString value = arguments.at(i + 1);
    arguments.remove(i, 2);
    return value;
}

QAbstractButton* shownButton(const QString& text) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        for (QAbstractButton* b : top->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled() && b->text() == text)
                return b;
    }
    return nullptr;
}

// Touches what shows `text` on the form (a button, or the cell under a label), as a finger would:
// a press and a release on the widget under its centre.
bool touchShown(QWidget* form, const QString& text) {
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->property("text").toString() != text)
            continue;
        const QPoint inForm = w->mapTo(form, w->rect().center());
        QWidget* under = form->childAt(inForm);
        if (!under)
            return false;
        const QPointF at = under->mapFrom(form, inForm);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, under->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(under, &e);
        }
        return true;
    }
    return false;
}

// A step towards the picture, in the order given.
struct Action {
    enum class Kind { Press, DoubleTap } kind;
    QString target; // a button's text, or a widget's name
    QString answer; // the button to touch on a form the action opens that asks
};

// Takes the actions out of the argument list.
std::vector<Action> takeActions(QStringList& arguments) {
    std::vector<Action> actions;
    for (qsizetype i = 0; i + 1 < arguments.size();) {
        const QString name = arguments.at(i);
        if (name == "--press" || name == "--double-tap") {
            actions.push_back({name == "--press" ? Action::Kind::Press : Action::Kind::DoubleTap,
                               arguments.at(i + 1),
                               {}});
        } else if (name == "--answer" && !actions.empty()) {
            actions.back().answer = arguments.at(i + 1);
        } else {
            ++i;
            continue;
        }
        arguments.remove(i, 2);
    }
    return actions;
}

void postDoubleTap(QWidget* target) {
    const QPointF at = QRectF(target->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            target,
            new QMouseEvent(type, at, target->mapToGlobal(at), Qt::LeftButton,
                            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                            Qt::NoModifier));
}

// The main window with every other shown window of the program painted where it stands on it,
// a modal one (opened from another form) last, as it is on top.
QImage composed(TFMain& main) {
    QImage image = main.grab().toImage();
    QPainter painter(&image);
    QWidgetList shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &main && top->isVisible())
            shown << top;
    std::stable_partition(shown.begin(), shown.end(), [](QWidget* w) { return !w->isModal(); });
    for (QWidget* top : shown)
        painter.drawPixmap(top->geometry().topLeft() - main.geometry().topLeft(), top->grab());
    return image;
}

bool readoutsSettled(const TFMain& main, const session::Session& session) {
    if (session.paintRequested())
        return false;
    for (const QWidget* field : main.TFieldTable)
        if (field && field->property("TagFloat").toInt() != 0)
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Whatever the options say, nothing this tool starts may leave the machine.
    qputenv("TALIX_LOOPBACK_ONLY", "1");
    QApplication application(argc, argv);
    QStringList arguments = application.arguments();
    const QString out = takeOption(arguments, "--out");
    const QString frames = takeOption(arguments, "--frames");
    const std::vector<Action> actions = takeActions(arguments);
    if (out.isEmpty()) {
        std::fputs("usage: talix-screenshot --out FILE [--frames N] [program options]\n", stderr);
        return 2;
    }
    const uint64_t wanted = frames.isEmpty() ? kDefaultFrames : frames.toULongLong();

    const ParsedOptions parsed = parseStartOptions(arguments);
    if (!parsed.options) {
        std::fputs(parsed.text.toLocal8Bit().constData(), stderr);
        return parsed.exitCode == 0 ? 2 : parsed.exitCode;
    }
    QTemporaryDir data;
    StartOptions options = *parsed.options;
    options.windowed = true;
    options.drives['C'] = data.path();
    // --demo: the simulated board runs in this process, as in the program.
    std::unique_ptr<sim::SimBoard> demoBoard;
    std::string error;
    const std::optional<ProgramContext> context = programContext(options, demoBoard, error);
    if (!context) {
        std::fprintf(stderr, "talix-screenshot: the simulated board did not start: %s\n",
                     error.c_str());
        return 1;
    }

    FormSet forms(*context);
    TFMain& main = forms.main();
    session::Session& session = forms.session();
    main.show();
    if (!pumpUntil([&] { return session.linkFramesHandled() >= wanted; }, kStreamTimeout))
        std::fprintf(stderr, "talix-screenshot: only %llu frames arrived; shooting anyway\n",
                     static_cast<unsigned long long>(session.linkFramesHandled()));
    pumpUntil([&] { return readoutsSettled(main, session); }, kSettleTimeout);
    // A form that asks in its own event loop holds up the action that opened it: it is answered,
    // or shot and dismissed, from this timer once the board has streamed on under it.
    QImage image;
    QString answer;
    bool answered = false;
    uint64_t askedAt = 0;
    QTimer asking;
    QObject::connect(&asking, &QTimer::timeout, [&] {
        auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!form || !image.isNull()) {
            askedAt = 0;
            return;
        }
        if (askedAt == 0)
            askedAt = session.linkFramesHandled();
        if (session.linkFramesHandled() < askedAt + wanted / 4)
            return;
        if (!answer.isEmpty() && touchShown(form, std::exchange(answer, QString()))) {
            answered = true;
            return;
        }
        image = composed(main);
        form->reject();
    });
    asking.start(20);
    for (const Action& action : actions) {
        answer = action.answer;
        answered = false;
        if (action.kind == Action::Kind::Press) {
            QAbstractButton* button = shownButton(action.target);
            if (!button) {
                std::fprintf(stderr, "talix-screenshot: no shown button \"%s\"\n",
                             action.target.toLocal8Bit().constData());
                return 1;
            }
            button->click();
        } else {
            QWidget* target = main.findChild<QWidget*>(action.target);
            if (!target) {
                std::fprintf(stderr, "talix-screenshot: no widget \"%s\"\n",
                             action.target.toLocal8Bit().constData());
                return 1;
            }
            postDoubleTap(target);
            pumpUntil([&] { return !image.isNull() || answered; }, kStreamTimeout);
        }
        if (!image.isNull())
            break;
        const uint64_t after = session.linkFramesHandled() + wanted;
        pumpUntil([&] { return session.linkFramesHandled() >= after; }, kStreamTimeout);
        pumpUntil([&] { return readoutsSettled(main, session); }, kSettleTimeout);
    }
    asking.stop();

    if (image.isNull())
        image = composed(main);
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "talix-screenshot: cannot write %s\n", out.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%s: %dx%d, %llu frames shown\n", out.toLocal8Bit().constData(), image.width(),
                image.height(), static_cast<unsigned long long>(session.linkFramesHandled()));
    return 0;
}
