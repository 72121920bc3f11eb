// The rotator's datagrams on a real loopback socket: greeting, positions, off and the board's
// relay word, which follows the rotator's reported state through the session's frame path; the
// reports that move the target and reach the form.
#include "session/RotatorLink.h"
#include "session/Session.h"
#include "session/support/CoreApplication.h"
#include "session/support/CountingView.h"
#include "support/DatagramReceiver.h"
#include "support/LoopbackServer.h"
#include "support/ParamFrames.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::session;
using namespace talix::testing;
using talix::session::testing::CountingView;
using talix::session::testing::ensureCoreApplication;

namespace {

sync::RotatorReport present(int position, const char* address = "127.0.0.1") {
    sync::RotatorReport r;
    r.kind = sync::RotatorReport::Present;
    r.position = position;
    r.address = address;
    return r;
}

TEST(RotatorLink, SendsTheThreeByteDatagrams) {
    DatagramReceiver rotator;
    RotatorLink link({"127.0.0.1", rotator.port()});
    link.greet();
    link.turnTo(116);
    link.turnTo(0); // 0 means off: the lowest position goes out as 1
    link.turnTo(232);
    link.switchOff();
    link.send(0x34);
    EXPECT_EQ(rotator.take(6), (std::vector<Datagram>{{13, 18, 0},
                                                      {13, 178, 116},
                                                      {13, 178, 1},
                                                      {13, 178, 232},
                                                      {13, 178, 0},
                                                      {13, 178, 0x34}}));
}

struct Display : RotatorDisplay {
    void rotatorReported(const sync::RotatorReport& r) override { reports.push_back(r.kind); }
    void paintCircles(bool selected) override { circles.push_back(selected); }
    std::vector<sync::RotatorReport::Kind> reports;
    std::vector<bool> circles;
};

TEST(RotatorLink, ReportsSetItsStateAndReachTheDisplay) {
    DatagramReceiver rotator;
    RotatorLink link({"127.0.0.1", rotator.port()});
    Display display;
    link.setDisplay(&display);
    link.report(present(116));
    EXPECT_TRUE(link.on());
    EXPECT_EQ(link.dialPosition(), 116);
    link.report(present(0)); // off: the position stays where it was
    EXPECT_FALSE(link.on());
    EXPECT_EQ(link.dialPosition(), 116);
    link.report(present(250)); // beyond half a turn: the last position
    EXPECT_EQ(link.dialPosition(), 232);
    link.paintCircles(true);
    link.setDisplay(nullptr);
    link.report(present(7));
    EXPECT_EQ(display.reports.size(), 3u);
    EXPECT_EQ(display.circles, std::vector<bool>{true});
}

TEST(RotatorLink, AReportedAddressMovesTheTargetOnTheSamePort) {
    DatagramReceiver first("127.0.0.1");
    DatagramReceiver moved("127.0.0.7", first.port());
    ASSERT_TRUE(moved.bound());
    RotatorLink link({"127.0.0.1", first.port()});
    link.report(present(116, "127.0.0.7"));
    EXPECT_EQ(link.target().host, "127.0.0.7");
    link.turnTo(117);
    EXPECT_EQ(moved.take(1), (std::vector<Datagram>{{13, 178, 117}}));

    sync::RotatorReport version;
    version.kind = sync::RotatorReport::Version;
    version.address = "127.0.0.1";
    link.report(version);
    link.greet();
    EXPECT_EQ(first.take(1), (std::vector<Datagram>{{13, 18, 0}}));
}

// The board's relay word, walked by the session's dispatcher: its low byte while the board
// reports the rotator on, 0 while off.
TEST(RotatorLink, TheRelayWordFollowsTheReportedState) {
    ensureCoreApplication();
    LoopbackServer board;
    DatagramReceiver rotator;
    QTemporaryDir data;
    CountingView view;
    SessionSettings s;
    s.board = {"127.0.0.1", board.port()};
    s.rotator = {"127.0.0.1", rotator.port()};
    s.audio = "null";
    s.drives.set('C', data.path());
    Session session(s, QLocale::c());
    ASSERT_EQ(session.open(view), audio::OpenResult::Ok);

    const uint32_t relay = valueWord(0, 16);
    const uint32_t loopback = 0x0100007F; // 127.0.0.1, first byte lowest
    uint16_t counter = 1;
    uint32_t seq = 1;
    const auto walk = [&](const Words& words) {
        for (const Payload& p : fragments(block(words), seq++))
            session.linkFrame(p.data(), lParamOf(counter++));
    };
    walk({valueWord(55), 0x0000742D, loopback, relay, 0x1234});
    walk({valueWord(55), 0x0000002D, loopback, relay, 0x1234});
    walk({relay, 0x00AB});
    EXPECT_EQ(rotator.take(3),
              (std::vector<Datagram>{{13, 178, 0x34}, {13, 178, 0}, {13, 178, 0}}));
    session.stop();
}

} // namespace
