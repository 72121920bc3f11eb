// The readout painter on real widgets: the paint pass, the paint hook and the painter thread.
#include "base/ManualResetEvent.h"
#include "base/Palette.h"
#include "base/Tags.h"
#include "display/readouts/ReadoutControls.h"
#include "display/readouts/ReadoutDrawing.h"
#include "display/readouts/ReadoutPainter.h"
#include "session/ReadoutPainterThread.h"
#include "support/PumpUntil.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>

using namespace talix;
using talix::testing::pumpUntil;
using namespace talix::display;

namespace {

// Pixels of `colour` inside `rect` of `image`.
int countColour(const QImage& image, const QRect& rect, QRgb colour) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) == colour)
                ++n;
    return n;
}

struct Window {
    Window() {
        main.setFixedSize(1920, 1200);
        main.setAutoFillBackground(true);
        QPalette p = main.palette();
        p.setColor(QPalette::Window, Qt::black);
        main.setPalette(p);
        createReadoutControls(&main);
        for (const ReadoutPlace& place : kReadoutPlaces)
            table[place.tag()] = main.findChild<QWidget*>(place.name, Qt::FindDirectChildrenOnly);
        state.tunedFreq = 1'450'000'000;
        state.txFreq = 1'440'000'000;
        painter = std::make_unique<ReadoutPainter>(
            table,
            ReadoutPainter::Sources{[this] { return state; }, [this] { return selected; },
                                    [this] { paintEvent.set(); },
                                    [this] { return closing.load(); }},
            QLocale(QLocale::English, QLocale::UnitedStates));
    }
    QWidget* field(Field f) const { return table[int(f)]; }
    QString text(Field f) const {
        const auto& p = painter->picture(int(f));
        return p && !p->texts.empty() ? p->texts.front().text : QString();
    }
    // Shows the window and lets the first GUI paint of every readout happen.
    void showAndSettle() {
        main.show();
        ASSERT_TRUE(pumpUntil([&] { return tagFloatOf(field(Field::S_Pitch)) == 2; }));
    }
    bool settled() const {
        for (int slot = 0; slot < kFieldTableSize; ++slot)
            if (painter->repaintPending(slot))
                return false;
        return true;
    }

    QWidget main;
    FieldTable table{};
    ManualResetEvent paintEvent;
    std::atomic<bool> closing{false};
    ReadoutState state;
    QWidget* selected = nullptr;
    std::unique_ptr<ReadoutPainter> painter;
};

TEST(ReadoutPainter, GuiPaintOfEveryReadoutMarksItTwoAndWakesThePainter) {
    Window w;
    w.showAndSettle();
    EXPECT_TRUE(w.paintEvent.isSet());
    for (const ReadoutPlace& place : kReadoutPlaces)
        EXPECT_EQ(tagFloatOf(w.field(place.field)), 2) << place.name;
}

TEST(ReadoutPainter, MarkedFieldIsDrawnAndTheSelectedFieldInverted) {
    Window w;
    w.showAndSettle();
    w.selected = w.field(Field::EFreq1);
    w.paintEvent.reset();
    w.painter->paintPass();
    for (const ReadoutPlace& place : kReadoutPlaces)
        EXPECT_EQ(tagFloatOf(w.field(place.field)), 0) << place.name;
    EXPECT_EQ(w.text(Field::EFreq1), "145,000,000.0"); // marked 2 by the GUI's own paint
    EXPECT_EQ(w.text(Field::EFreq2), "144,000,000.0");
    ASSERT_TRUE(pumpUntil([&] { return w.settled(); }));

    const QImage image = w.main.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    // EFreq1 (40, 856, 468 x 100) selected: filled pale green with black digits.
    const QRect freq1Text(40 + 2, 856 + 2, 468 - 8, 100 - 4);
    EXPECT_EQ(image.pixel(40 + 4, 856 + 4), kPaleGreen);
    EXPECT_GT(countColour(image, freq1Text, kBlack), 500);
    // Its Edit1Style1 frame: pale green outline and the dark inner line.
    EXPECT_EQ(image.pixel(40, 856 + 50), kPaleGreen);
    EXPECT_EQ(image.pixel(41, 856 + 50), kEditInnerLine);
    // EFreq2 (664, 856, 468 x 100) not selected: black box with medium spring green digits.
    const QRect freq2Text(664 + 2, 856 + 2, 468 - 8, 100 - 4);
    EXPECT_EQ(image.pixel(664 + 4, 856 + 4), kBlack);
    EXPECT_GT(countColour(image, freq2Text, kMediumSpringGreen), 500);
    EXPECT_EQ(countColour(image, freq2Text, kPaleGreen), 0);
}

TEST(ReadoutPainter, PassRepaintDoesNotMarkAgainButAGuiRepaintMarksTwo) {
    Window w;
    w.showAndSettle();
    w.painter->paintPass();
    ASSERT_TRUE(pumpUntil([&] { return w.settled(); }));
    w.paintEvent.reset();

    // A parameter update marks EFreq1 1: drawn whole, and its own repaint marks nothing.
    setTagFloat(w.field(Field::EFreq1), 1);
    w.painter->paintPass();
    EXPECT_EQ(w.text(Field::EFreq1), "1,450,000,000");
    ASSERT_TRUE(pumpUntil([&] { return w.settled(); }));
    QApplication::processEvents();
    EXPECT_FALSE(w.paintEvent.isSet());
    EXPECT_EQ(tagFloatOf(w.field(Field::EFreq1)), 0);

    // The GUI repaints the box (as when a form closes over it): mark 2, painter woken, and the
    // next pass draws the tenths format.
    w.field(Field::EFreq1)->update();
    ASSERT_TRUE(pumpUntil([&] { return w.paintEvent.isSet(); }));
    EXPECT_EQ(tagFloatOf(w.field(Field::EFreq1)), 2);
    EXPECT_EQ(tagFloatOf(w.field(Field::EFreq2)), 0);
    w.painter->paintPass();
    EXPECT_EQ(w.text(Field::EFreq1), "145,000,000.0");
}

TEST(ReadoutPainter, SelectionMovesWithTheMarksOfBothFields) {
    Window w;
    w.showAndSettle();
    w.selected = w.field(Field::EBW);
    w.painter->paintPass();
    EXPECT_TRUE(w.painter->picture(int(Field::EBW))->filled);
    w.selected = w.field(Field::EShift);
    setTagFloat(w.field(Field::EBW), 2);
    setTagFloat(w.field(Field::EShift), 2);
    w.painter->paintPass();
    EXPECT_FALSE(w.painter->picture(int(Field::EBW))->filled);
    EXPECT_TRUE(w.painter->picture(int(Field::EShift))->filled);
    EXPECT_EQ(w.painter->picture(int(Field::EShift))->fillColour, kLime);
}

TEST(ReadoutPainter, EmptySlotsAreSkippedAndClosingStopsThePass) {
    Window w;
    w.table[int(Field::EBW)] = nullptr; // an empty slot between dirty neighbours
    for (const ReadoutPlace& place : kReadoutPlaces)
        if (w.field(place.field))
            setTagFloat(w.field(place.field), 1);
    w.painter->paintPass();
    EXPECT_TRUE(w.painter->picture(int(Field::EDemod)).has_value());
    EXPECT_FALSE(w.painter->picture(int(Field::EBW)).has_value());
    EXPECT_TRUE(w.painter->picture(int(Field::EShift)).has_value());

    w.closing = true;
    setTagFloat(w.field(Field::EFreq1), 1);
    w.painter->paintPass();
    EXPECT_EQ(tagFloatOf(w.field(Field::EFreq1)), 1);
}

TEST(ReadoutPainter, EDemodTakesTheModeColour) {
    Window w;
    w.state.modeIndex = 8;
    setTagFloat(w.field(Field::EDemod), 1);
    w.painter->paintPass();
    EXPECT_EQ(fontColourOf(w.field(Field::EDemod)), kYellow);
    EXPECT_EQ(w.text(Field::EDemod), "FM-W");
}

TEST(PainterThread, RunsAPassOnTheUiThreadWhenWokenAndStopsWithoutDeadlock) {
    Window w;
    auto painterThread = std::make_unique<session::ReadoutPainterThread>(
        w.paintEvent, &w.main, [&] { w.painter->paintPass(); }, w.closing,
        std::chrono::milliseconds(50));
    setTagFloat(w.field(Field::EFreq2), 1);
    w.paintEvent.set();
    ASSERT_TRUE(pumpUntil([&] { return w.text(Field::EFreq2) == "1,440,000,000"; }));
    EXPECT_EQ(tagFloatOf(w.field(Field::EFreq2)), 0);

    // The painter waits for the UI thread while the UI thread waits for the painter to end: the
    // closing flag releases it.
    setTagFloat(w.field(Field::EFreq2), 2);
    w.paintEvent.set();
    w.closing = true;
    painterThread->requestStop();
    painterThread->join();
    painterThread.reset();
    QApplication::processEvents();
}

} // namespace

namespace {

TEST(ReadoutPainter, OverlappingScalesDoNotWakeEachOther) {
    // Panel5 (4, 26, 66 x 341) reaches into Panel6 (0, 6, 1210 x 22), Panel7 into Panel4.
    Window w;
    ASSERT_TRUE(w.field(Field::Panel5)->geometry().intersects(w.field(Field::Panel6)->geometry()));
    w.showAndSettle();
    w.painter->paintPass();
    ASSERT_TRUE(pumpUntil([&] { return w.settled(); }));
    QApplication::processEvents();
    w.paintEvent.reset();

    for (Field f : {Field::Panel6, Field::Panel7}) {
        setTagFloat(w.field(f), 1);
        w.painter->paintPass();
        ASSERT_TRUE(pumpUntil([&] { return w.settled(); }));
        QApplication::processEvents();
        EXPECT_FALSE(w.paintEvent.isSet());
        for (const ReadoutPlace& place : kReadoutPlaces)
            EXPECT_EQ(tagFloatOf(w.field(place.field)), 0) << place.name;
    }
}

} // namespace
