// The control port on loopback, against a session on the simulated board: Hamlib's own rigctl
// reads and sets through it, several clients are served at once, and clients that misbehave are
// cut off while the others go on.
#include "base/Bandwidths.h"
#include "base/BoardModes.h"
#include "link/CommandRecords.h"
#include "rigctl/RigctlServer.h"
#include "rigctl/RigctlSession.h"
#include "session/Session.h"
#include "session/SessionReceiverPort.h"
#include "session/support/CoreApplication.h"
#include "session/support/CountingView.h"
#include "sim/SimBoard.h"
#include "support/PumpUntil.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using namespace talix;
using namespace talix::rigctl;
using talix::session::testing::CountingView;
using talix::session::testing::ensureCoreApplication;
using talix::testing::pumpUntil;

namespace {

size_t recordsOf(const sim::SimBoard& board, const link::Command& record) {
    size_t n = 0;
    for (const auto& r : board.receivedRecords())
        n += r == record ? 1 : 0;
    return n;
}

std::string strengthText(int32_t tenthsDbm) {
    const int64_t over = int64_t(tenthsDbm) + 730;
    return std::to_string((over + (over < 0 ? -5 : 5)) / 10);
}

class Strengths : public session::ReceiverWatcher {
public:
    std::set<std::string> seen;
    void receiverChanged(const session::ReceiverReading& r) override {
        seen.insert(strengthText(r.signalLevel));
    }
};

class RigctlOnBoard : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApplication();
        sim::SimOptions options;
        options.listen = {"127.0.0.1", 0};
        options.rotator = {"127.0.0.1", 0};
        board = std::make_unique<sim::SimBoard>(options);
        ASSERT_TRUE(board->start()) << board->error();
        session::SessionSettings s;
        s.board = {"127.0.0.1", board->port()};
        s.rotator = {"127.0.0.1", 9};
        s.audio = "null";
        s.drives.set('C', data.path());
        s.receiveTimings = {111, 20, 80};
        session = std::make_unique<session::Session>(s, QLocale::c());
        ASSERT_EQ(session->start(view), audio::OpenResult::Ok);
        server = std::make_unique<RigctlServer>(session->receiver());
        QString error;
        ASSERT_TRUE(server->listen({"127.0.0.1", 0}, &error)) << error.toStdString();
        ASSERT_TRUE(pumpUntil([&] { return receiver().reading().linkUp; }));
    }
    void TearDown() override {
        server.reset();
        if (session)
            session->stop();
    }
    session::ReceiverPort& receiver() { return session->receiver(); }

    // A client on the event loop: what it is sent, and whether it is still connected.
    std::unique_ptr<QTcpSocket> connectClient() {
        auto client = std::make_unique<QTcpSocket>();
        client->connectToHost("127.0.0.1", server->port());
        EXPECT_TRUE(pumpUntil([&] { return client->state() == QAbstractSocket::ConnectedState; }));
        return client;
    }

    QTemporaryDir data;
    CountingView view;
    std::unique_ptr<sim::SimBoard> board;
    std::unique_ptr<session::Session> session;
    std::unique_ptr<RigctlServer> server;
};

struct RigctlRun {
    QString out;
    QString err;
};

RigctlRun runRigctl(quint16 port, const QStringList& command) {
    QProcess p;
    p.start("rigctl", QStringList{"-m", "2", "-r", QString("127.0.0.1:%1").arg(port)} + command);
    EXPECT_TRUE(
        pumpUntil([&] { return p.state() == QProcess::NotRunning; }, std::chrono::seconds(30)))
        << command.join(' ').toStdString();
    return {QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

} // namespace

TEST_F(RigctlOnBoard, HamlibsOwnClientReadsAndSets) {
    if (QStandardPaths::findExecutable("rigctl").isEmpty())
        GTEST_SKIP() << "Hamlib's rigctl is not installed (Debian's libhamlib-utils)";
    const quint16 port = server->port();

    // Set: the reply is nothing but success, the record is the spectrum tap's, and the reading
    // follows once the board reports it.
    RigctlRun run = runRigctl(port, {"F", "145000000"});
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(run.err.contains("error")) << run.err.toStdString();
    EXPECT_EQ(recordsOf(*board, link::commands::tuneTo(1'450'000'000)), 1u);
    ASSERT_TRUE(pumpUntil([&] { return receiver().reading().tunedFreq == 1'450'000'000; }));
    EXPECT_EQ(runRigctl(port, {"f"}).out, "145000000\n");

    run = runRigctl(port, {"M", "USB", "0"});
    EXPECT_FALSE(run.err.contains("error")) << run.err.toStdString();
    EXPECT_EQ(recordsOf(*board, link::commands::modeChoice(board::kModeUsb)), 1u);
    ASSERT_TRUE(pumpUntil([&] { return receiver().reading().modeIndex == board::kModeUsb; }));
    const uint32_t passband = board::bandwidthHz(receiver().reading().bandwidth);
    EXPECT_EQ(runRigctl(port, {"m"}).out, QString("USB\n%1\n").arg(passband));

    Strengths strengths;
    strengths.seen.insert(strengthText(receiver().reading().signalLevel));
    receiver().addWatcher(strengths);
    run = runRigctl(port, {"l", "STRENGTH"});
    receiver().removeWatcher(strengths);
    EXPECT_TRUE(strengths.seen.count(run.out.trimmed().toStdString())) << run.out.toStdString();

    char af[32];
    std::snprintf(af, sizeof af, "%f\n", std::min(1.0, receiver().reading().speakerVolume / 254.0));
    EXPECT_EQ(runRigctl(port, {"l", "AF"}).out, af);

    // Refusals reach Hamlib's client as its own errors (it prints them, with its trace, on its
    // output), and nothing reaches the board.
    const struct {
        QStringList command;
        const char* error;
    } refusals[] = {
        {{"F", "40000000"}, "Argument out of domain of func"},
        {{"T", "1"}, "Feature not available"},
        {{"M", "RTTY", "0"}, "Invalid parameter"},
    };
    for (const auto& r : refusals) {
        run = runRigctl(port, r.command);
        EXPECT_TRUE(run.out.trimmed().endsWith(r.error))
            << r.command.join(' ').toStdString() << ": [" << run.out.toStdString() << "] ["
            << run.err.toStdString() << "]";
    }
    EXPECT_EQ(recordsOf(*board, link::commands::tuneTo(400'000'000)), 0u);
    EXPECT_EQ(runRigctl(port, {"t"}).out, "0\n");
}

TEST_F(RigctlOnBoard, ServesManyClientsAtOnce) {
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    for (int i = 0; i < 10; ++i)
        clients.push_back(connectClient());
    ASSERT_TRUE(pumpUntil([&] { return server->clients() == 10; }));
    for (auto& c : clients)
        c->write("+v\n");
    for (auto& c : clients) {
        ASSERT_TRUE(pumpUntil([&] { return c->canReadLine() && c->bytesAvailable() >= 24; }));
        EXPECT_EQ(c->readAll(), "get_vfo:\nVFO: VFOA\nRPRT 0\n");
    }
    clients.clear();
    EXPECT_TRUE(pumpUntil([&] { return server->clients() == 0; }));
}

TEST_F(RigctlOnBoard, ACLientThatDoesNotReadIsCutOffAndOthersGoOn) {
    auto deaf = connectClient();
    deaf->setReadBufferSize(1024); // its replies stay in the kernel and in the server
    QByteArray flood;
    for (int i = 0; i < 40000; ++i)
        flood += "\\dump_state\n";
    deaf->write(flood);
    auto polite = connectClient();
    EXPECT_TRUE(pumpUntil([&] { return deaf->state() == QAbstractSocket::UnconnectedState; },
                          std::chrono::seconds(60)));
    polite->write("v\n");
    EXPECT_TRUE(pumpUntil([&] { return polite->bytesAvailable() >= 5; }));
    EXPECT_EQ(polite->readAll(), "VFOA\n");
    EXPECT_TRUE(pumpUntil([&] { return server->clients() == 1; }));
}

TEST_F(RigctlOnBoard, ALineTooLongIsRefusedAndTheClientClosed) {
    auto client = connectClient();
    client->write(QByteArray(RigctlSession::kLongestLine + 100, 'x'));
    EXPECT_TRUE(pumpUntil([&] { return client->state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(client->readAll(), "RPRT -1\n");
    EXPECT_TRUE(pumpUntil([&] { return server->clients() == 0; }));
}

TEST(RigctlServer, RefusesWhatItCannotListenOn) {
    ensureCoreApplication();
    sync::ReceiverState state;
    link::CommandQueue queue;
    session::SessionReceiverPort port(state, queue);
    RigctlServer first(port);
    QString error;
    ASSERT_TRUE(first.listen({"127.0.0.1", 0}, &error));
    RigctlServer second(port);
    EXPECT_FALSE(second.listen({"127.0.0.1", first.port()}, &error));
    EXPECT_TRUE(error.contains("cannot listen")) << error.toStdString();
    // Test programs are confined to loopback: they listen nowhere else.
    for (const char* host : {"203.0.113.5", "receiver.example"}) {
        EXPECT_FALSE(second.listen({host, 4532}, &error)) << host;
        EXPECT_TRUE(error.contains("outside loopback")) << error.toStdString();
    }
}
