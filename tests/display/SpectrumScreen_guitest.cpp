#include "display/spectrum/SpectrumPanel.h"
#include "display/spectrum/SpectrumScreen.h"
#include "display/spectrum/WaterfallPanel.h"
#include "display/support/SpectrumLines.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace talix::display;
using namespace talix::display::testing;

namespace {

constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kPink = 0xFFFFC0CB;

struct Screen {
    QWidget window;
    std::unique_ptr<SpectrumScreen> screen;
    Screen() {
        window.resize(1920, 1200);
        window.setStyleSheet("background: black");
        screen = std::make_unique<SpectrumScreen>(&window);
        window.show();
    }
};

// A panel's picture as shown on the main window.
QImage shown(QWidget& window, QWidget* panel) {
    return window.grab(panel->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

SpectrumSettings settings() {
    SpectrumSettings s;
    s.binHz = 80;
    s.passbandLo = 400;
    s.passbandHi = 600;
    s.insideBright = 100;
    s.outsideBright = 100;
    s.wfTimeUnit = 1;
    return s;
}

TEST(SpectrumScreen, PanelsSitOnTheMainWindow) {
    Screen s;
    EXPECT_EQ(s.screen->spectrumPanel()->geometry(), QRect(80, 38, 1026, 322));
    EXPECT_EQ(s.screen->waterfallPanel()->geometry(), QRect(80, 366, 1026, 322));
    EXPECT_EQ(s.screen->spectrumPanel()->objectName(), "Panel2");
    EXPECT_EQ(s.screen->waterfallPanel()->objectName(), "Panel3");
}

TEST(SpectrumScreen, AKnownLineOnBothPanels) {
    Screen s;
    SpectrumBins v = flatBins(50);
    for (int i = 400; i < 600; ++i)
        v[i] = 140;
    const LineBytes bytes = packLine(v);
    const SpectrumSettings st = settings();
    s.screen->RebuildGrid(st);
    s.screen->DrawSpectrumLine(bytes, st);

    const QImage spectrum = shown(s.window, s.screen->spectrumPanel());
    EXPECT_EQ(spectrum.pixel(200, 300), kPink);
    EXPECT_EQ(spectrum.pixel(500, 300), kYellow);
    EXPECT_EQ(spectrum.pixel(0, 100), kYellow);

    const QImage waterfall = shown(s.window, s.screen->waterfallPanel());
    EXPECT_EQ(waterfall.pixel(1 + 500, 1), qRgb(0, 255, 63)) << "140: full green, some blue";
    EXPECT_EQ(waterfall.pixel(1 + 200, 1), qRgb(0, 255 * 50 / 80 * 20 / 65, 255 * 20 / 65))
        << "50: cyan-blue at 20/65 brightness";
    EXPECT_EQ(waterfall.pixel(1 + 200, 2), qRgb(0, 0, 0)) << "no older rows yet";
    EXPECT_EQ(waterfall.pixel(0, 100), kYellow);

    // The next line pushes the first one down a row.
    const LineBytes zero = packLine(flatBins(0));
    s.screen->DrawSpectrumLine(zero, st);
    const QImage later = shown(s.window, s.screen->waterfallPanel());
    EXPECT_EQ(later.pixel(1 + 500, 1), qRgb(0, 0, 0));
    EXPECT_EQ(later.pixel(1 + 500, 2), qRgb(0, 255, 63));
}

TEST(SpectrumScreen, TickStripAndSideMarks) {
    Screen s;
    s.screen->RebuildGrid(settings());
    const QImage img = s.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(img.pixel(80 + 1, 30), kYellow) << "even tick at 1.5";
    EXPECT_EQ(img.pixel(80 + 129, 37), kYellow) << "even tick at 129.5";
    EXPECT_NE(img.pixel(80 + 65, 33), kYellow) << "odd ticks are not shown";
    EXPECT_EQ(img.pixel(72, 39), kYellow);
    EXPECT_EQ(img.pixel(79, 359), kYellow);
    EXPECT_EQ(img.pixel(75, 367), kYellow);
    EXPECT_EQ(img.pixel(75, 687), kYellow);
    EXPECT_NE(img.pixel(75, 40), kYellow);
}

TEST(SpectrumScreen, TouchesReachTheTuningHandlers) {
    Screen s;
    std::vector<QPointF> downs;
    std::vector<std::pair<QPointF, bool>> moves;
    QObject::connect(s.screen->spectrumPanel(), &SpectrumTouchPanel::mouseDown,
                     [&](QPointF p) { downs.push_back(p); });
    QObject::connect(s.screen->waterfallPanel(), &SpectrumTouchPanel::mouseMove,
                     [&](QPointF p, bool dragging) { moves.emplace_back(p, dragging); });

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(120, 30), QPointF(200, 68), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.screen->spectrumPanel(), &press);
    QMouseEvent drag(QEvent::MouseMove, QPointF(300, 40), QPointF(380, 406), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.screen->waterfallPanel(), &drag);
    QMouseEvent hover(QEvent::MouseMove, QPointF(310, 40), QPointF(390, 406), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(s.screen->waterfallPanel(), &hover);

    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], QPointF(120, 30));
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0], std::make_pair(QPointF(300, 40), true));
    EXPECT_EQ(moves[1], std::make_pair(QPointF(310, 40), false));
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

bool waitFor(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

TEST(SpectrumScreen, OnlyShownLinesRepaint) {
    Screen s;
    PaintCounter spectrum, waterfall;
    s.screen->spectrumPanel()->installEventFilter(&spectrum);
    s.screen->waterfallPanel()->installEventFilter(&waterfall);
    ASSERT_TRUE(waitFor([&] { return spectrum.paints > 0 && waterfall.paints > 0; }))
        << "first exposure";

    SpectrumSettings st = settings();
    st.settingsWord = 3u << 29; // four lines per shown line
    st.wfTimeUnit = 2;          // two shown lines per waterfall row
    for (int round = 0; round < 2; ++round) {
        const LineBytes bytes = packLine(flatBins(uint16_t(200 + round)));
        spectrum.paints = waterfall.paints = 0;
        for (int k = 0; k < 3; ++k)
            s.screen->DrawSpectrumLine(bytes, st);
        QApplication::processEvents();
        EXPECT_EQ(spectrum.paints, 0) << "collecting, round " << round;
        s.screen->DrawSpectrumLine(bytes, st);
        ASSERT_TRUE(waitFor([&] { return spectrum.paints > 0; })) << "round " << round;
        if (round == 0)
            EXPECT_EQ(waterfall.paints, 0) << "no new row yet";
        else
            EXPECT_TRUE(waitFor([&] { return waterfall.paints > 0; })) << "a new row";
    }
}

// The panel as Qt repaints it: only the part a new line changed, drawn over what it showed before,
// under that part as the clip. After every line it shows what a whole repaint shows.
TEST(SpectrumScreen, ASpectrumRepaintedInPartsShowsTheWholePicture) {
    SpectrumDisplay d;
    SpectrumSettings st = settings();
    st.gridBright = 60;
    st.agcLimit = 1;
    st.agcLevelRow = 75;
    d.RebuildGrid(st);
    SpectrumPanel panel(d, nullptr);
    QImage shown(panel.size(), QImage::Format_RGB32);
    for (int k = 0; k < 12; ++k) {
        // Noise that rises and carriers that stay.
        SpectrumBins v = flatBins(uint16_t(40 + 3 * k));
        for (int i = 30; i < kSpectrumBins; i += 97)
            v[size_t(i)] = 250;
        if (k == 4)
            st.agcLevelRow = 20;
        d.DrawSpectrumLine(packLine(v), st);
        const QRegion area = panel.showChanges();
        if (k > 0 && k != 4) {
            EXPECT_LT(area.boundingRect().height(), panel.height() / 2) << "line " << k;
        }
        // The part's top left goes to the offset given.
        panel.render(&shown, area.boundingRect().topLeft(), area);
        const QImage whole = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown, whole) << "line " << k;
    }
}

} // namespace
