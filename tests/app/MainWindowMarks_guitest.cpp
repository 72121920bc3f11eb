// The status marks the settings forms drive, as they reach the screen: LWiFi's colour and RBAnt
// following the external antenna, the WiFi form's "Set + Close" on the link display, L_Auto, the
// brightness bar's top free of the level texts, and "TX Lock" readable on its button.
#include "app/Forms.h"
#include "app/support/LoopbackContext.h"
#include "app/support/ScreenPixels.h"
#include "controls/MainControls.h"
#include "session/Session.h"
#include "settings/WiFiForm.h"
#include "support/LoopbackServer.h"
#include "support/ParamFrames.h"
#include "support/PumpUntil.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::app;
using namespace talix::testing;

namespace {

constexpr QRgb kHotPink = 0xFFFF69B4;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr uint32_t kExternalAntenna = 0x80000000;

// A main window whose frames are handed to the message procedure directly.
struct Window {
    LoopbackServer board;
    QTemporaryDir data;
    FormSet forms{loopbackContext(board.port(), data.path(), 1000)};
    TFMain& main = forms.main();
    session::Session& session = forms.session();
    controls::MainControls& c = *forms.main().controls();
    settings::TF_WiFi& wifi = *dynamic_cast<settings::TF_WiFi*>(forms.F_WiFi);
    uint16_t counter = 1;
    uint32_t seq = 1;

    Window() {
        main.show();
        QApplication::setActiveWindow(&main);
    }
    void send(const Words& paramWords, uint32_t status = 0) {
        const Words b = block(paramWords);
        const Payload p = payload(streamHeader(uint32_t(b.size()), seq++, false), b, status);
        session.linkFrame(p.data(), lParamOf(counter++));
    }
    // The commands the board received after the greeting, acknowledgements left out.
    std::vector<uint8_t> commands() const {
        const std::vector<uint8_t> r = board.received(0);
        std::vector<uint8_t> out;
        for (size_t i = 1; i < r.size();) {
            if (r[i] == 13 && i + 5 <= r.size()) {
                i += 5;
                continue;
            }
            out.push_back(r[i++]);
        }
        return out;
    }
};

void tap(QWidget* w) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {},
                      w->mapTo(w->window(), w->rect().center()));
}

TEST(MainWindowMarks, LWiFiAndRBAntFollowTheExternalAntenna) {
    Window w;
    EXPECT_FALSE(w.wifi.RBAnt->isChecked());
    w.send({}, kExternalAntenna);
    EXPECT_TRUE(w.wifi.RBAnt->isChecked());
    EXPECT_GT(pixelsOf(onScreen(w.c.LWiFi), kHotPink), 10);
    EXPECT_EQ(pixelsOf(onScreen(w.c.LWiFi), kGreen), 0);
    w.send({}, 0);
    EXPECT_FALSE(w.wifi.RBAnt->isChecked());
    EXPECT_GT(pixelsOf(onScreen(w.c.LWiFi), kGreen), 10);
    EXPECT_EQ(pixelsOf(onScreen(w.c.LWiFi), kHotPink), 0);
}

// Both states of the mark give the record that asks for the other antenna.
TEST(MainWindowMarks, TheAntennaTapAsksForTheOtherAntennaFromBothStates) {
    Window w;
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return w.board.received(0).size() == 1; }));
    w.send({showForm(10)}, kExternalAntenna);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.wifi, 10000));
    tap(w.wifi.RBAnt);
    EXPECT_TRUE(w.wifi.RBAnt->isChecked()); // until the board switches
    w.send({}, 0);
    tap(w.wifi.RBAnt);
    const std::vector<uint8_t> expected{23, 178, 0, 23, 178, 1};
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return w.commands() == expected; }));
}

TEST(MainWindowMarks, SetAndCloseRestartsTheLinkDisplay) {
    Window w;
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return w.board.received(0).size() == 1; }));
    w.send({showForm(10)});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.wifi, 10000));
    tap(w.wifi.captionWithTag(1));
    w.send({valueWord(1, 10), 11});
    ASSERT_TRUE(w.wifi.B_Set->isEnabled());
    w.c.LWiFi->setText("100%");
    w.c.PBWiFi->setValue(100);
    tap(w.wifi.B_Set);
    EXPECT_EQ(w.c.LWiFi->text(), "0%");
    EXPECT_EQ(w.c.PBWiFi->value(), 0);
    EXPECT_FALSE(w.wifi.B_Set->isEnabled());
    const std::vector<uint8_t> expected{192, 1, 10, 0, 8};
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return w.commands() == expected; }));
}

TEST(MainWindowMarks, LAutoShowsTheScrollwheelThreshold) {
    Window w;
    w.send({valueWord(0, 1), 20});
    QLabel* autoLabel = w.c.L_Auto;
    EXPECT_EQ(autoLabel->text(), "Speed 3");
    EXPECT_TRUE(autoLabel->isVisible());
    EXPECT_TRUE(QRect(0, 0, 1920, 1200).contains(autoLabel->geometry()));
    EXPECT_EQ(w.main.childAt(autoLabel->geometry().center()), autoLabel);
    // Clear of every other control of the window.
    for (const QWidget* other : w.main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != autoLabel && other->isVisible()) {
            EXPECT_FALSE(other->geometry().intersects(autoLabel->geometry()))
                << other->objectName().toStdString();
        }
    }
    EXPECT_LE(QFontMetrics(autoLabel->font()).horizontalAdvance("Speed 14"), autoLabel->width());
    // White text on the window's black where it stands.
    EXPECT_GT(pixelsOf(onScreen(autoLabel), 0xFFFFFFFF), 10);
}

// Beside the waterfall speed, L_Auto has a caption of its own that names the scroll wheel, so its
// text does not read as the speed's label.
TEST(MainWindowMarks, LAutoHasItsOwnCaption) {
    Window w;
    const QLabel* autoLabel = w.c.L_Auto;
    const QWidget* speed = w.main.findChild<QWidget*>("ETime");
    ASSERT_NE(speed, nullptr);
    const QLabel* caption = nullptr;
    for (const QLabel* l : w.main.findChildren<QLabel*>())
        if (l != autoLabel && l->window() == &w.main && l->isVisible() &&
            l->text().contains("Scrollwheel"))
            caption = l;
    ASSERT_NE(caption, nullptr);
    const QRect a = autoLabel->geometry(), c = caption->geometry(), s = speed->geometry();
    // Directly under L_Auto, centred on it, and clear of the speed's column.
    EXPECT_LE(std::abs(c.top() - a.bottom()), 8);
    EXPECT_LE(std::abs(c.center().x() - a.center().x()), 4);
    EXPECT_LT(c.center().x(), s.left());
    EXPECT_GT(pixelsOf(onScreen(caption), 0xFFFFFFFF), 10);
    // Each of the two shown values has its caption under its own centre.
    const QLabel* speedCaption = w.main.findChild<QLabel*>("Cap_Time");
    ASSERT_NE(speedCaption, nullptr);
    EXPECT_FALSE(speedCaption->geometry().intersects(c));
    EXPECT_LE(std::abs(speedCaption->geometry().center().x() - s.center().x()), 4);
}

TEST(MainWindowMarks, TheBrightnessBarTakesTouchesUpToItsTop) {
    Window w;
    QSlider* bar = w.c.TB_Bright;
    for (int y = 0; y < 60; y += 4) {
        const QPoint at = bar->geometry().topLeft() + QPoint(bar->width() / 2, y);
        EXPECT_EQ(w.main.childAt(at), bar) << y;
    }
    const int before = bar->value();
    QTest::mouseClick(w.main.windowHandle(), Qt::LeftButton, {},
                      bar->geometry().topLeft() + QPoint(bar->width() / 2, 3));
    EXPECT_GT(bar->value(), before);
}

TEST(MainWindowMarks, TxLockIsReadableOnItsButton) {
    Window w;
    QPushButton* b = w.c.B_Lock;
    EXPECT_EQ(b->text(), "TX Lock");
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    const QRect contents = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
    EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), contents.width());
    EXPECT_GE(b->font().pixelSize(), 20);
}

} // namespace
