// The rotator form against a rotator on a real loopback socket: the greeting when it is shown, the
// dial's touch, drag and wheel, "On/Off" from both states, the board's reports (decoded by the
// main-window items) on its labels, button and dial, and "Close".
#include "controls/support/Pointer.h"
#include "link/CommandQueue.h"
#include "link/CommandRecords.h"
#include "rotator/RotatorDial.h"
#include "rotator/RotatorForm.h"
#include "session/RotatorLink.h"
#include "support/DatagramReceiver.h"
#include "support/PumpUntil.h"
#include "sync/MainItems.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::rotator;
using namespace talix::testing;
namespace pointer = talix::controls::testing;

namespace {

constexpr uint32_t kLoopback = 0x0100007F; // 127.0.0.1, first byte lowest
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kLemonChiffon = 0xFFFFFACD;
constexpr QRgb kWhite = 0xFFFFFFFF;

std::vector<uint8_t> queued(link::CommandQueue& q) {
    std::vector<uint8_t> all;
    for (const link::Command& c : q.takeCommands())
        all.insert(all.end(), c.begin(), c.end());
    return all;
}

struct KapForm {
    KapForm() {
        main.resize(1920, 1200);
        main.show();
    }
    // A main-window item as the board reports it, decoded as the dispatcher decodes it.
    void report(int item, std::vector<uint32_t> values) {
        const sync::ItemEffect e = items.apply(state, item, values, uint32_t(245 | item << 8));
        ASSERT_TRUE(e.rotator.has_value());
        rotator.report(*e.rotator);
    }
    void open() {
        pointer::showAndExpose(&form);
        ASSERT_EQ(udp.take(1), (std::vector<Datagram>{{13, 18, 0}}));
        queued(queue);
    }
    QRgb pixel(QPointF at) { return form.S_Geber->grab().toImage().pixel(at.toPoint()); }
    // A point on the dial at `degrees` clockwise from north.
    static QPointF onDial(double degrees) {
        const double r = degrees * 3.141592654 / 180;
        return {180 + 150 * std::sin(r), 180 - 150 * std::cos(r)};
    }

    DatagramReceiver udp;
    session::RotatorLink rotator{{"127.0.0.1", udp.port()}};
    link::CommandQueue queue;
    sync::MainItems items{QLocale::c()};
    sync::ReceiverState state;
    QWidget main;
    int kapFocus = 0;
    TF_KAP form{rotator, queue, [this] { ++kapFocus; }, &main};
};

TEST(RotatorForm, StartsAsTheRotatorIsNotFound) {
    KapForm k;
    EXPECT_EQ(k.form.LConnect->text(), "KAP not found!");
    EXPECT_EQ(k.form.L_Current->text(), "0 mA");
    EXPECT_EQ(k.form.L_Ver->text(), "Ver: xx");
    EXPECT_EQ(k.form.L_Grad->text(), QString::fromUtf8("0°"));
    EXPECT_EQ(k.form.Label1->text(), "KAP Control");
    EXPECT_EQ(k.form.B_Off->text(), "On/Off");
    EXPECT_FALSE(k.form.B_Off->isChecked());
    EXPECT_EQ(k.form.size(), QSize(477, 535));
}

TEST(RotatorForm, ShowingItGreetsTheRotatorAndColoursTheCircles) {
    KapForm k;
    k.open();
    // Position 0: S_Pitch north, S_Pitch1 south.
    EXPECT_EQ(k.pixel({180, 70}), kYellow);
    EXPECT_EQ(k.pixel({180, 290}), kLemonChiffon);
    k.form.paintCircles(false); // another field selected on the board
    EXPECT_EQ(k.pixel({180, 70}), kWhite);
    EXPECT_EQ(k.pixel({180, 290}), kWhite);
}

TEST(RotatorForm, ATouchSelectsTheDialOnTheBoard) {
    KapForm k;
    k.open();
    pointer::click(k.form.S_Geber, KapForm::onDial(30));
    EXPECT_EQ(queued(k.queue), link::commands::rotatorSelect(true));
    EXPECT_EQ(k.kapFocus, 1);
    EXPECT_TRUE(k.udp.take().empty()); // a touch alone turns nothing
}

TEST(RotatorForm, DraggingFromNorthToSouthAndOnToTheWest) {
    KapForm k;
    k.open();
    pointer::press(k.form.S_Geber, KapForm::onDial(0.5));
    std::vector<int> sent;
    const auto dragTo = [&](double to, double from) {
        for (double d = from; d <= to; d += 0.5)
            pointer::moveTo(k.form.S_Geber, KapForm::onDial(d));
        for (const Datagram& d : k.udp.take()) {
            ASSERT_EQ(d.size(), 3u);
            ASSERT_EQ(d[0], 13);
            ASSERT_EQ(d[1], 178);
            sent.push_back(d[2]);
        }
    };
    // Touches land on whole pixels: the ends are a step or two from the exact positions.
    dragTo(180.5, 1);
    ASSERT_GE(sent.size(), 100u);
    EXPECT_LE(sent.front(), 3);
    EXPECT_GE(sent.back(), 229);
    EXPECT_TRUE(std::is_sorted(sent.begin(), sent.end()));
    EXPECT_EQ(k.rotator.dialPosition(), sent.back());
    sent.clear();
    dragTo(269.5, 181);
    ASSERT_GE(sent.size(), 50u);
    EXPECT_LE(sent.front(), 3);
    EXPECT_NEAR(sent.back(), 116, 2);
    EXPECT_TRUE(std::is_sorted(sent.begin(), sent.end()));
    pointer::release(k.form.S_Geber, KapForm::onDial(269.5));
}

TEST(RotatorForm, TheWheelWrapsBetween1And232) {
    KapForm k;
    k.open();
    k.report(55, {0x0000012D, kLoopback}); // on at position 1
    pointer::wheel(k.form.S_Geber, {180, 180}, -120);
    EXPECT_EQ(k.udp.take(1), (std::vector<Datagram>{{13, 178, 232}}));
    pointer::wheel(k.form.B_Close, {10, 10}, 120); // anywhere over the form
    EXPECT_EQ(k.udp.take(1), (std::vector<Datagram>{{13, 178, 1}}));
    pointer::wheel(k.form.L_Ver, {10, 10}, 120);
    EXPECT_EQ(k.udp.take(1), (std::vector<Datagram>{{13, 178, 2}}));
}

TEST(RotatorForm, OnOffFromBothStates) {
    KapForm k;
    k.open();
    k.report(55, {0x0000742D, kLoopback}); // on at 116
    ASSERT_TRUE(k.form.B_Off->isChecked());
    pointer::click(k.form.B_Off, {40, 30});
    EXPECT_EQ(k.udp.take(1), (std::vector<Datagram>{{13, 178, 0}}));
    EXPECT_TRUE(k.form.B_Off->isChecked()); // until the board reports it off

    k.report(55, {0x0000002D, kLoopback}); // off
    EXPECT_FALSE(k.form.B_Off->isChecked());
    pointer::click(k.form.B_Off, {40, 30});
    EXPECT_EQ(k.udp.take(1), (std::vector<Datagram>{{13, 178, 116}}));
    EXPECT_FALSE(k.form.B_Off->isChecked());
}

TEST(RotatorForm, OnFromPosition0SendsPosition1) {
    KapForm k;
    k.open();
    pointer::click(k.form.B_Off, {40, 30});
    EXPECT_EQ(k.udp.take(1), (std::vector<Datagram>{{13, 178, 1}}));
}

TEST(RotatorForm, ThePresentReportShowsCurrentPositionAndMovesTheMarks) {
    KapForm k;
    k.open();
    k.report(55, {0x0000742D, kLoopback});
    EXPECT_EQ(k.form.LConnect->text(), "KAP connected!");
    EXPECT_EQ(k.form.L_Current->text(), "45 mA");
    EXPECT_EQ(k.form.L_Grad->text(), QString::fromUtf8("90°"));
    EXPECT_EQ(k.rotator.dialPosition(), 116);
    EXPECT_TRUE(k.rotator.on());
    // East-west now: S_Pitch east, S_Pitch1 west, north and south clear of both.
    EXPECT_EQ(k.pixel({270, 150}), kYellow);
    EXPECT_EQ(k.pixel({90, 150}), kLemonChiffon);
    EXPECT_NE(k.pixel({180, 70}), kYellow);
}

TEST(RotatorForm, TheVersionAndNotFoundReports) {
    KapForm k;
    k.report(56, {0x0B, kLoopback});
    EXPECT_EQ(k.form.L_Ver->text(), "Ver: 0B");
    k.report(55, {0x0000742D, kLoopback});
    EXPECT_EQ(k.form.LConnect->text(), "KAP connected!");
    k.report(57, {0});
    EXPECT_EQ(k.form.LConnect->text(), "KAP not found!");
}

TEST(RotatorForm, AReportMovesTheDatagramsToTheReportedHostOnTheSamePort) {
    KapForm k;
    DatagramReceiver moved("127.0.0.7", k.udp.port());
    ASSERT_TRUE(moved.bound());
    k.report(55, {0x0000742D, 0x0700007F}); // 127.0.0.7
    EXPECT_EQ(k.rotator.target().host, "127.0.0.7");
    pointer::showAndExpose(&k.form);
    EXPECT_EQ(moved.take(1), (std::vector<Datagram>{{13, 18, 0}}));
    EXPECT_TRUE(k.udp.take().empty());
}

TEST(RotatorForm, CloseLeavesTheFormAndTellsTheBoard) {
    KapForm k;
    k.open();
    k.report(56, {0x0B, kLoopback});
    pointer::click(k.form.B_Close, {40, 30});
    EXPECT_TRUE(pumpUntil([&] { return !k.form.isVisible(); }));
    EXPECT_EQ(queued(k.queue), link::commands::rotatorSelect(false));
    EXPECT_EQ(k.form.L_Ver->text(), "Ver: xx");
    // Opened again, it greets the rotator again.
    k.open();
}

} // namespace
