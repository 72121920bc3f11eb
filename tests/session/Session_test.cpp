// The session without widgets: start-up and shutdown, frames from a board on loopback to the view,
// acknowledgements and commands on the wire, and the sinks still to be built.
#include "base/LittleEndian.h"
#include "link/CommandRecords.h"
#include "session/Session.h"
#include "session/support/CoreApplication.h"
#include "session/support/CountingView.h"
#include "session/support/DeafStreamingBoard.h"
#include "support/LoopbackServer.h"
#include "support/ParamFrames.h"
#include "support/PumpUntil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::session;
using namespace talix::testing;
using talix::session::testing::CountingView;
using talix::session::testing::ensureCoreApplication;

namespace {

SessionSettings loopbackSettings(uint16_t port, const QString& dataDir) {
    SessionSettings s;
    s.board = {"127.0.0.1", port};
    s.rotator = {"127.0.0.1", 9};
    s.audio = "null";
    s.drives.set('C', dataDir);
    s.receiveTimings = {20, 5, 80};
    return s;
}

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override { ensureCoreApplication(); }
    LoopbackServer board;
    QTemporaryDir data;
    CountingView view;
};

} // namespace

// Only the start options know where the real board and rotator are: a session that is not told
// has no address to reach, whether or not the loopback guard holds.
TEST(SessionSettings, NameNeitherTheBoardNorTheRotator) {
    const SessionSettings untold;
    EXPECT_EQ(untold.board.toString(), ":0");
    EXPECT_EQ(untold.rotator.toString(), ":0");
}

TEST_F(SessionTest, GreetsHandsFramesToTheViewAndAcknowledgesBlocks) {
    Session session(loopbackSettings(board.port(), data.path()), QLocale::c());
    ASSERT_EQ(session.start(view), audio::OpenResult::Ok);
    ASSERT_TRUE(session.threadsRunning());
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.received(0).size() == 1; }));

    const Words b = block({valueWord(46), 9});
    ASSERT_TRUE(
        board.send(boardFrame(1, payload(streamHeader(uint32_t(b.size()), 0x0201, false), b))));
    ASSERT_TRUE(pumpUntil([&] { return session.linkFramesHandled() == 1; }));
    EXPECT_EQ(view.spectrumLines, 1);
    EXPECT_EQ(session.state().UndoCount, 9);
    EXPECT_TRUE(LoopbackServer::waitFor(
        [&] { return board.received(0) == std::vector<uint8_t>{0x12, 13, 0, 1, 2, 0}; }));

    session.commands().QueueCommand(link::commands::button(0x0104), link::LimitRule::Notify);
    EXPECT_TRUE(LoopbackServer::waitFor(
        [&] { return board.received(0) == std::vector<uint8_t>{0x12, 13, 0, 1, 2, 0, 1, 4, 1}; }));
    session.stop();
    EXPECT_FALSE(session.threadsRunning());
    EXPECT_TRUE(session.closing());
    EXPECT_TRUE(session.statistics().contains("talix: link: 1 frames handled, 0 dropped unread"));
}

TEST_F(SessionTest, TheLostLinkIsShownAndTheBoardGreetedAgain) {
    Session session(loopbackSettings(board.port(), data.path()));
    ASSERT_EQ(session.start(view), audio::OpenResult::Ok);
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.received(0).size() == 1; }));
    ASSERT_TRUE(board.send(boardFrame(1)));
    ASSERT_TRUE(pumpUntil([&] { return session.linkFramesHandled() == 1; }));
    board.closeConnection();
    EXPECT_TRUE(pumpUntil([&] { return view.linkLost > 0; }));
    EXPECT_TRUE(
        LoopbackServer::waitFor([&] { return board.received(1) == std::vector<uint8_t>{0x12}; }));
}

TEST_F(SessionTest, WithoutAnAudioDeviceNothingElseStarts) {
    SessionSettings s = loopbackSettings(board.port(), data.path());
    s.audio = "wav:" + data.filePath("no/such/folder/x.wav");
    Session session(s);
    EXPECT_NE(session.start(view), audio::OpenResult::Ok);
    EXPECT_FALSE(session.threadsRunning());
    EXPECT_FALSE(session.playbackOpen());
    session.stop();
    EXPECT_EQ(board.connections(), 0u);
}

TEST_F(SessionTest, TheNextRecordingNumberIsTheFirstFreeFile) {
    QDir(data.path()).mkpath("WAV");
    for (int n : {0, 1, 2})
        QFile(data.filePath(QString("WAV/File%1.WAV").arg(n))).open(QIODevice::WriteOnly);
    Session session(loopbackSettings(board.port(), data.path()));
    ASSERT_EQ(session.start(view), audio::OpenResult::Ok);
    EXPECT_EQ(session.recordingSink().NextFileNumber, 3);
}

// Recording, the rotator's datagrams and the update replies come with their forms; until then
// their sinks take what the board sends and do nothing with it.
TEST_F(SessionTest, ARotatorReportMovesTheRotatorAndAnUnaskedUpdateReplyIsDropped) {
    Session session(loopbackSettings(board.port(), data.path()), QLocale::c());
    ASSERT_EQ(session.start(view), audio::OpenResult::Ok);
    EXPECT_FALSE(session.recording());
    EXPECT_FALSE(session.recorderPlaying());

    // Item 55: the rotator present at position 90 (on), 45 mA, at 127.0.0.5; then the relay word.
    const Words b = block({valueWord(55), 0x00005A2D, 0x0500007F, valueWord(0, 16), 0x33});
    for (const Payload& p : fragments(b, 7))
        session.linkFrame(p.data(), lParamOf(1));
    EXPECT_TRUE(session.rotatorOn());
    EXPECT_EQ(session.rotator().dialPosition(), 90);
    EXPECT_EQ(session.rotator().target().host, "127.0.0.5");
    EXPECT_EQ(session.rotator().target().port, 9);
    session.updateReply(0x0000010F);
    session.stop();
}

TEST_F(SessionTest, StopsPromptlyWhileTheBoardIsUnreachable) {
    uint16_t closedPort;
    {
        LoopbackServer gone;
        closedPort = gone.port();
    }
    Session session(loopbackSettings(closedPort, data.path()));
    ASSERT_EQ(session.start(view), audio::OpenResult::Ok);
    ASSERT_TRUE(pumpUntil([&] { return view.linkLost > 0; }));
    session.stop();
    EXPECT_FALSE(session.threadsRunning());
}

namespace {
QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

// Frames handed to the message procedure: while the recorder plays a file, the live audio is
// neither recorded nor played; a recording still running at shutdown is completed.
TEST_F(SessionTest, TheRecorderPausesTheLiveAudioAndShutdownCompletesTheRecording) {
    Session session(loopbackSettings(board.port(), data.path()), QLocale::c());
    ASSERT_EQ(session.open(view), audio::OpenResult::Ok);
    session.state().LoudspeakerMode = 0x02; // the host plays the board's audio
    ASSERT_TRUE(pumpUntil([&] { return session.playbackOpen(); }));
    RecordingSink& rec = session.recordingSink();
    rec.setFreeSpaceProbe([](const QString&) { return uint64_t(50'000'000'000ULL); });
    rec.click();
    ASSERT_TRUE(session.recording());
    uint16_t counter = 1;
    const auto frames = [&](int n, uint8_t audioByte) {
        for (int k = 0; k < n; ++k) {
            const Payload p = payload(streamHeader(0, 0, false), {}, 0, audioByte);
            session.linkFrame(p.data(), lParamOf(counter++));
        }
    };
    frames(10, 0x11);
    const int filled = session.playbackRing().fillIndex();
    session.playback().holdLiveAudio(true);
    EXPECT_TRUE(session.recorderPlaying());
    frames(10, 0x22);
    EXPECT_EQ(session.playbackRing().fillIndex(), filled);
    session.playback().holdLiveAudio(false);
    frames(10, 0x33);
    EXPECT_EQ(session.playbackRing().fillIndex(), (filled + 10) % audio::PlaybackRing::kSlots);
    session.stop();
    EXPECT_FALSE(session.recording());

    const QByteArray b = fileBytes(data.filePath("WAV/File0.WAV"));
    ASSERT_EQ(b.size(), 44 + 20 * 2048);
    EXPECT_EQ(readLe32(reinterpret_cast<const uint8_t*>(b.constData()) + 40), 20u * 2048);
    EXPECT_EQ(b.mid(44, 10 * 2048), QByteArray(10 * 2048, char(0x11)));
    EXPECT_EQ(b.mid(44 + 10 * 2048), QByteArray(10 * 2048, char(0x33)));
}

// The board keeps streaming but stops reading: the acknowledgements of its blocks soon fill what
// the kernels hold, the next write is not taken within its time-out, and the link is given up
// rather than letting acknowledgements pile up until some later reconnect. The board is greeted
// on a new connection, where its next block is acknowledged.
// Off until it holds on a loaded machine: in about half of the full runs the loopback stream to the
// program stalls once the board's receive window closes, after some thousand frames, so the
// acknowledgements never fill the kernels and the write time-out never comes. The write time-out
// itself is tested against a board that never reads in LinkClient_test.
TEST_F(SessionTest, DISABLED_ABoardThatStreamsButNeverReadsIsGivenUpAndGreetedAnew) {
    constexpr uint32_t kNextSeq = 0x700000;
    DeafStreamingBoard deaf(kNextSeq);
    ASSERT_NE(deaf.port(), 0);
    SessionSettings settings = loopbackSettings(deaf.port(), data.path());
    settings.receiveTimings = {20, 100000, 100000}; // silence cannot drop the link here
    Session session(settings, QLocale::c());
    ASSERT_EQ(session.start(view), audio::OpenResult::Ok);
    ASSERT_TRUE(pumpUntil([&] { return deaf.blocksStreamed() > 0; }));
    // How soon depends on how many frames the program takes a second, and so on the machine's load:
    // at 30 a second the kernels' buffers fill in about a minute.
    ASSERT_TRUE(
        pumpUntil([&] { return deaf.firstConnectionGivenUp(); }, std::chrono::seconds(240)));
    const std::vector<uint8_t> ack = link::commands::acknowledge(kNextSeq);
    EXPECT_TRUE(pumpUntil([&] {
        const std::vector<uint8_t> bytes = deaf.receivedAfterward();
        return bytes.size() >= 1 + ack.size() &&
               std::equal(ack.begin(), ack.end(), bytes.end() - ptrdiff_t(ack.size()));
    }));
    ASSERT_FALSE(deaf.receivedAfterward().empty());
    EXPECT_EQ(deaf.receivedAfterward().front(), 0x12);
    session.stop();
}
