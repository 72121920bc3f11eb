// The program in this process against the simulated board with faults: every command queued while
// the link is up reaches the board once and in order; only a drop may cost commands.
#include "app/Forms.h"
#include "app/support/LoopbackContext.h"
#include "soak/support/BoardLog.h"
#include "soak/support/BoardProcess.h"
#include "soak/support/CommandTrail.h"
#include "soak/support/Recoveries.h"
#include "soak/support/SoakSettings.h"
#include "soak/support/TickLoop.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::testing;
using namespace std::chrono_literals;

namespace {

// Records written in the last moments of a connection may still be on their way when it goes;
// a loaded machine can hold the sender back for a while.
constexpr int64_t kInFlightMarginMs = 2000;
// One numbered command every 20 ms: a busy user on a track bar.
constexpr auto kCommandInterval = 20ms;
// Frames that prove the program still takes the stream at the end.
constexpr uint64_t kFreshFrames = 80;

// The tests' start-up context with the program's own link timings: the soak measures recovery
// as the program really does it.
app::ProgramContext soakContext(uint16_t port, const QString& dataDir) {
    app::ProgramContext c = loopbackContext(port, dataDir);
    c.receiveTimings = {};
    return c;
}

bool logged(const BoardProcess& board, uint32_t number) {
    for (const BoardEvent& e : parseBoardLog(board.log().toStdString()))
        if (e.kind == BoardEvent::Kind::Record && commandNumber(e.bytes) == number)
            return true;
    return false;
}

} // namespace

TEST(CommandSoak, QueuedCommandsArriveOnceAndInOrder) {
    const auto duration = soakDuration();
    QTemporaryDir dir;
    BoardProcess board;
    ASSERT_TRUE(board.start(dir.filePath("board.log"), soakFaults(), soakSeed() + 1));
    app::FormSet forms(soakContext(board.port(), dir.path()));
    session::Session& session = forms.session();
    ASSERT_NE(&session.commands(), nullptr);
    ASSERT_TRUE(tickUntil(100ms, 30s, [&] { return board.greeted(); }));

    std::vector<QueuedCommand> queued;
    size_t refused = 0;
    uint32_t next = kFirstCommandNumber;
    int forced = 0;
    const auto started = std::chrono::steady_clock::now();
    tickUntil(kCommandInterval, duration + 60s, [&] {
        const int64_t at = epochMs();
        if (session.commands().QueueCommand(numberedCommand(next), link::LimitRule::Drop) ==
            link::QueueResult::Queued)
            queued.push_back({next++, at});
        else
            ++refused;
        const auto elapsed = std::chrono::steady_clock::now() - started;
        if (forced < 2 && elapsed >= duration * (forced + 1) / 3) {
            EXPECT_EQ(board.command("drop"), "ok");
            ++forced;
        }
        return elapsed >= duration;
    });
    ASSERT_FALSE(queued.empty());

    // The last command arrives unless a drop took it; the stream goes on.
    const uint32_t last = queued.back().number;
    const uint64_t framesBefore = session.linkFramesHandled();
    tickUntil(200ms, 20s, [&] {
        return logged(board, last) && session.linkFramesHandled() >= framesBefore + kFreshFrames;
    });
    EXPECT_GE(session.linkFramesHandled(), framesBefore + kFreshFrames)
        << "the program does not take the stream at the end";

    const int64_t endMs = epochMs();
    const auto events = parseBoardLog(board.log().toStdString());
    const auto recoveries = findRecoveries(events);
    for (const std::string& late : lateRecoveries(recoveries, endMs, kRecoveryBoundMs))
        ADD_FAILURE() << late;
    EXPECT_GE(recoveries.size(), 1u)
        << "no lost connection in the board's log: the run tested nothing";
    const TrailReport report =
        checkTrail(queued, events, lossWindows(recoveries, kInFlightMarginMs));
    EXPECT_TRUE(report.clean()) << report.describe();
    EXPECT_GT(report.delivered, 0u);

    const auto figures = recoveryFigures(recoveries);
    const auto stats = board.stats();
    std::printf(
        "soak (commands): %lld s, lost connections %zu, reconnect max %lld ms mean %.0f ms, "
        "frames sent %llu, handled %llu, %s, refused (queue full) %zu\n",
        static_cast<long long>(duration.count()), recoveries.size(),
        static_cast<long long>(figures.maxMs), figures.meanMs,
        static_cast<unsigned long long>(stats ? stats->frames : 0),
        static_cast<unsigned long long>(session.linkFramesHandled()), report.describe().c_str(),
        refused);
}
