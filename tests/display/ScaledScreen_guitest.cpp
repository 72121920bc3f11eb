#include "display/ScaledScreen.h"

#include <QDialog>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

using talix::display::ScaledScreen;

namespace {

QPushButton* colouredButton(QWidget* parent, QRect box, const char* colour) {
    auto* b = new QPushButton(parent);
    b->setGeometry(box);
    b->setFlat(true);
    b->setAutoFillBackground(true);
    b->setStyleSheet(QString("QPushButton { background: %1; border: none; }").arg(colour));
    return b;
}

// A layout-sized window with one button in its lower right, and a form it can open.
struct ScaledWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QPushButton* button;
    int clicks = 0;

    ScaledWindow() {
        window->setFixedSize(1920, 1200);
        window->setStyleSheet("background: black;");
        button = colouredButton(window.get(), {1600, 1000, 200, 100}, "#00ff00");
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    }

    // A form with a red button, placed at a layout point of the window as the program's forms are.
    QDialog* openForm(QPoint at, bool modal, int* formClicks,
                      Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint) {
        auto* form = new QDialog(window.get(), flags);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->setFixedSize(400, 300);
        form->setStyleSheet("background: #0000ff;");
        QPushButton* b = colouredButton(form, {100, 100, 200, 100}, "#ff0000");
        QObject::connect(b, &QPushButton::clicked, [formClicks] { ++*formClicks; });
        form->move(window->mapToGlobal(at));
        if (modal)
            form->setWindowModality(Qt::ApplicationModal);
        form->show();
        return form;
    }
};

void showScreen(ScaledScreen& screen) {
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen, 10000));
}

// The pixel of the view's window that shows the layout point.
QPoint inWindow(ScaledScreen& screen, QPointF layoutPoint) {
    return screen.viewport()->mapTo(&screen, screen.viewportPointOf(layoutPoint));
}

void clickAt(ScaledScreen& screen, QPointF layoutPoint) {
    QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, inWindow(screen, layoutPoint));
}

// Presses at `from`, moves through `through` and releases at the last of them.
void drag(ScaledScreen& screen, QPointF from, std::initializer_list<QPointF> through) {
    QTest::mousePress(screen.windowHandle(), Qt::LeftButton, {}, inWindow(screen, from));
    QPointF last = from;
    for (QPointF p : through) {
        QTest::mouseMove(screen.windowHandle(), inWindow(screen, p));
        last = p;
    }
    QTest::mouseRelease(screen.windowHandle(), Qt::LeftButton, {}, inWindow(screen, last));
}

QColor shownAt(ScaledScreen& screen, QPoint viewPoint) {
    QCoreApplication::processEvents();
    return screen.grab().toImage().pixelColor(viewPoint);
}

} // namespace

TEST(ScaledScreen, DrawsTheWholeLayoutAtTheScale) {
    ScaledWindow w;
    ScaledScreen screen(w.window.get(), 0.5);
    showScreen(screen);
    EXPECT_EQ(screen.size(), QSize(960, 600));
    // The button at layout (1600, 1000)-(1800, 1100) is drawn at half of that.
    EXPECT_EQ(shownAt(screen, {850, 525}), QColor(0, 255, 0));
    EXPECT_EQ(shownAt(screen, {790, 525}), QColor(0, 0, 0));
    EXPECT_EQ(shownAt(screen, {910, 525}), QColor(0, 0, 0));
}

TEST(ScaledScreen, TouchesReachTheControlUnderThem) {
    ScaledWindow w;
    ScaledScreen screen(w.window.get(), 0.5);
    showScreen(screen);
    clickAt(screen, {1700, 1050});
    EXPECT_EQ(w.clicks, 1);
    clickAt(screen, {1500, 1050}); // beside it
    EXPECT_EQ(w.clicks, 1);
}

// Counts the moves with the left button held that reach a widget which takes no press itself.
struct DragWatch : QObject {
    int heldMoves = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseMove &&
            (static_cast<QMouseEvent*>(e)->buttons() & Qt::LeftButton))
            ++heldMoves;
        return false;
    }
};

TEST(ScaledScreen, ADragStaysWithTheWidgetItBeganOn) {
    ScaledWindow w;
    auto* plain = new QWidget(w.window.get()); // a plain widget ignores the press
    plain->setGeometry(200, 200, 300, 300);
    DragWatch watch;
    plain->installEventFilter(&watch);
    ScaledScreen screen(w.window.get(), 0.5);
    showScreen(screen);
    drag(screen, {300, 300}, {{400, 400}, {700, 300}}); // the last move out of it, still held
    EXPECT_EQ(watch.heldMoves, 2);
}

TEST(ScaledScreen, AFormIsDrawnScaledAtItsLayoutPlace) {
    ScaledWindow w;
    ScaledScreen screen(w.window.get(), 0.5);
    showScreen(screen);
    int formClicks = 0;
    QPointer<QDialog> form = w.openForm({400, 300}, false, &formClicks);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownAt(screen, {210, 160}) == QColor(0, 0, 255); },
                                10000));
    EXPECT_EQ(shownAt(screen, {300, 200}), QColor(255, 0, 0)); // its button, (500, 400) laid out
    EXPECT_EQ(shownAt(screen, {190, 160}), QColor(0, 0, 0));
    clickAt(screen, {600, 450});
    EXPECT_EQ(formClicks, 1);
    // A form that is not modal leaves the window touchable.
    clickAt(screen, {1700, 1050});
    EXPECT_EQ(w.clicks, 1);
    form->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }, 10000));
    EXPECT_EQ(shownAt(screen, {300, 200}), QColor(0, 0, 0));
}

TEST(ScaledScreen, TheFormShownOrRaisedLastIsOnTop) {
    ScaledWindow w;
    ScaledScreen screen(w.window.get(), 0.5);
    showScreen(screen);
    int firstClicks = 0;
    int secondClicks = 0;
    QPointer<QDialog> first = w.openForm({0, 0}, false, &firstClicks);
    first->setStyleSheet("background: #ffff00;");
    QPointer<QDialog> second = w.openForm({200, 0}, false, &secondClicks);
    const QPoint overlap{175, 25}; // layout (350, 50): in both forms, beside the buttons
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownAt(screen, overlap) == QColor(0, 0, 255); },
                                10000));
    first->raise();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownAt(screen, overlap) == QColor(255, 255, 0); },
                                10000));
    // The first form's button, (100, 100)-(300, 200), now takes what falls on the second form.
    clickAt(screen, {250, 150});
    EXPECT_EQ(firstClicks, 1);
    EXPECT_EQ(secondClicks, 0);
}

TEST(ScaledScreen, AFormHasNoTitleBarToDragItAwayBy) {
    ScaledWindow w;
    ScaledScreen screen(w.window.get(), 0.5);
    showScreen(screen);
    int clicks = 0;
    // A pick list's flags: with a window manager it has a title bar.
    QPointer<QDialog> form = w.openForm({400, 300}, false, &clicks,
                                        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // The form's own colour from its top left corner on, no frame or title around it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownAt(screen, {201, 151}) == QColor(0, 0, 255); },
                                10000));
    EXPECT_EQ(shownAt(screen, {198, 148}), QColor(0, 0, 0));
    const QPoint before = form->pos();
    drag(screen, {600, 304}, {{1500, 1100}});
    EXPECT_EQ(form->pos(), before);
    clickAt(screen, {600, 450});
    EXPECT_EQ(clicks, 1);
}

TEST(ScaledScreen, AModalFormStaysAboveAFormShownAfterIt) {
    ScaledWindow w;
    ScaledScreen screen(w.window.get(), 0.5);
    showScreen(screen);
    int modalClicks = 0;
    int laterClicks = 0;
    QPointer<QDialog> modal = w.openForm({400, 300}, true, &modalClicks);
    modal->setStyleSheet("background: #ffff00;");
    QPointer<QDialog> later = w.openForm({450, 300}, false, &laterClicks);
    const QPoint overlap{240, 160}; // layout (480, 320): in both forms, beside the buttons
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownAt(screen, overlap) == QColor(255, 255, 0); },
                                10000));
    clickAt(screen, {600, 450}); // the modal form's button, over the later form's
    EXPECT_EQ(modalClicks, 1);
    EXPECT_EQ(laterClicks, 0);
}

TEST(ScaledScreen, AModalFormBlocksTheOthersUntilItCloses) {
    ScaledWindow w;
    ScaledScreen screen(w.window.get(), 0.5);
    showScreen(screen);
    int lowerClicks = 0;
    int upperClicks = 0;
    QPointer<QDialog> lower = w.openForm({0, 0}, false, &lowerClicks);
    QPointer<QDialog> upper = w.openForm({1000, 300}, true, &upperClicks);
    clickAt(screen, {1700, 1050}); // the window
    clickAt(screen, {200, 150});   // the form below
    EXPECT_EQ(w.clicks, 0);
    EXPECT_EQ(lowerClicks, 0);
    clickAt(screen, {1200, 450});
    EXPECT_EQ(upperClicks, 1);
    upper->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return upper.isNull(); }, 10000));
    clickAt(screen, {1700, 1050});
    clickAt(screen, {200, 150});
    EXPECT_EQ(w.clicks, 1);
    EXPECT_EQ(lowerClicks, 1);
}

// A message over a modal form, both the window's children, as the update form and its messages
// are: the message takes the touches, and once it is answered the form below does again.
TEST(ScaledScreen, AModalFormOverAnotherTakesTheTouchesUntilItCloses) {
    ScaledWindow w;
    ScaledScreen screen(w.window.get(), 0.5);
    showScreen(screen);
    int formClicks = 0;
    int messageClicks = 0;
    QPointer<QDialog> form = w.openForm({0, 0}, true, &formClicks);
    auto* message = new QDialog(w.window.get(), Qt::Dialog | Qt::FramelessWindowHint);
    message->setFixedSize(400, 300);
    QPushButton* ok = colouredButton(message, {100, 100, 200, 100}, "#ffffff");
    QObject::connect(ok, &QPushButton::clicked, message, [&] {
        ++messageClicks;
        message->accept();
    });
    message->move(w.window->mapToGlobal(QPoint(1000, 600)));
    QTimer::singleShot(0, [&] {
        clickAt(screen, {200, 150}); // the form's button, under the message's modality
        clickAt(screen, {1200, 750}); // OK
    });
    // A message that takes no touch would wait for ever: the test fails instead.
    QTimer::singleShot(10000, message, [message] {
        ADD_FAILURE() << "the message took no touch";
        message->reject();
    });
    message->exec(); // as the program asks its questions
    EXPECT_EQ(messageClicks, 1);
    EXPECT_EQ(formClicks, 0);
    clickAt(screen, {200, 150});
    EXPECT_EQ(formClicks, 1);
    clickAt(screen, {1700, 1050});
    EXPECT_EQ(w.clicks, 0);
    form->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }, 10000));
    clickAt(screen, {1700, 1050});
    EXPECT_EQ(w.clicks, 1);
    delete message;
}

TEST(ScaledScreen, LeavesTheWindowToItsOwner) {
    ScaledWindow w;
    QPointer<QWidget> window = w.window.get();
    {
        ScaledScreen screen(w.window.get(), 0.5);
        showScreen(screen);
    }
    EXPECT_FALSE(window.isNull());
    // And a window its owner destroys first leaves a view that closes cleanly.
    ScaledScreen screen(w.window.get(), 0.75);
    showScreen(screen);
    w.window.reset();
    screen.close();
}
