// The real program as a child process against the simulated board with faults: it must come back
// after every lost connection, keep streaming, keep its memory and end cleanly.
#include "soak/support/BoardLog.h"
#include "soak/support/BoardProcess.h"
#include "soak/support/Recoveries.h"
#include "soak/support/SoakSettings.h"

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>

using namespace talix::testing;
using namespace std::chrono_literals;

namespace {

// Frames that prove the program reads the stream: more than the board holds back for a reader
// that has stopped (about 64 frames).
constexpr uint64_t kFreshFrames = 160;
// Memory may grow this much after warm-up (allocator caches, the sanitizers' bookkeeping).
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kGrowthBoundKiB = 48 * 1024;
#else
constexpr uint64_t kGrowthBoundKiB = 16 * 1024;
#endif

void startProgram(QProcess& program, uint16_t port, const QTemporaryDir& dir) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", dir.path());
    // A small quarantine keeps use-after-free checks on recent memory without letting freed
    // blocks pile up as resident memory.
    const QString asan = env.value("ASAN_OPTIONS");
    env.insert("ASAN_OPTIONS", (asan.isEmpty() ? QString() : asan + ":") +
                                   "quarantine_size_mb=8:thread_local_quarantine_size_kb=256");
    program.setProcessEnvironment(env);
    program.setStandardOutputFile(dir.filePath("program.out"));
    program.setStandardErrorFile(dir.filePath("program.err"));
    program.start(binaryPath("talix"),
                  {"--board", QString("127.0.0.1:%1").arg(port), "--rotator", "127.0.0.1:9",
                   "--audio", "null", "--host-services", "simulated", "--windowed"});
}

// SIGTERM ends the program in order; under the sanitizers a leak or fault at the end fails it.
int terminate(QProcess& program) {
    ::kill(pid_t(program.processId()), SIGTERM);
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        return -1;
    }
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
}

// The last connection greeted the board and the program reads frames as they come.
bool streamingNow(const BoardProcess& board, const BoardProcess::Stats& before) {
    const auto now = board.stats();
    if (!now || now->frames < before.frames + kFreshFrames ||
        now->acknowledged <= before.acknowledged)
        return false;
    const auto recoveries = findRecoveries(parseBoardLog(board.log().toStdString()));
    return recoveries.empty() || recoveries.back().recovered();
}

// "fault: dropped 3, closed by the program 2, ..." in order of first appearance.
std::string closeReasons(const std::vector<Recovery>& recoveries) {
    std::vector<std::pair<std::string, int>> counts;
    for (const Recovery& r : recoveries) {
        auto it = std::find_if(counts.begin(), counts.end(),
                               [&](const auto& c) { return c.first == r.why; });
        if (it == counts.end())
            counts.emplace_back(r.why, 1);
        else
            ++it->second;
    }
    std::string text;
    for (const auto& [why, count] : counts)
        text += (text.empty() ? "" : ", ") + why + " " + std::to_string(count);
    return text;
}

} // namespace

TEST(ProgramSoak, RecoversFromEveryFaultKeepsStreamingAndItsMemory) {
    const auto duration = soakDuration();
    QTemporaryDir dir;
    BoardProcess board;
    ASSERT_TRUE(board.start(dir.filePath("board.log"), soakFaults(), soakSeed()));
    QProcess program;
    startProgram(program, board.port(), dir);
    ASSERT_TRUE(program.waitForStarted(10000));
    const int64_t pid = program.processId();
    ASSERT_TRUE(waitUntil([&] { return board.greeted(); }, 30s)) << board.log().toStdString();

    // Warm-up: a quarter of the run, at least five seconds; two forced drops besides the faults.
    const auto started = std::chrono::steady_clock::now();
    const auto warmUp = std::max<std::chrono::steady_clock::duration>(5s, duration / 4);
    uint64_t warmKiB = 0;
    int forced = 0;
    bool running = true;
    waitUntil(
        [&] {
            running = program.state() == QProcess::Running;
            const auto elapsed = std::chrono::steady_clock::now() - started;
            if (warmKiB == 0 && elapsed >= warmUp)
                warmKiB = residentKiB(pid);
            if (forced < 2 && elapsed >= duration * (forced + 1) / 3) {
                EXPECT_EQ(board.command("drop"), "ok");
                ++forced;
            }
            return !running || elapsed >= duration;
        },
        duration + 60s);
    ASSERT_TRUE(running) << "the program ended during the run";

    const auto before = board.stats();
    ASSERT_TRUE(before);
    EXPECT_TRUE(waitUntil([&] { return streamingNow(board, *before); }, 30s))
        << "the program does not stream at the end\n";
    const uint64_t endKiB = residentKiB(pid);
    const auto after = board.stats();

    const int64_t endMs = epochMs();
    const auto recoveries = findRecoveries(parseBoardLog(board.log().toStdString()));
    const auto figures = recoveryFigures(recoveries);
    for (const std::string& late : lateRecoveries(recoveries, endMs, kRecoveryBoundMs))
        ADD_FAILURE() << late;
    EXPECT_GE(recoveries.size(), 1u)
        << "no lost connection in the board's log: the run tested nothing";
    ASSERT_GT(warmKiB, 0u);
    ASSERT_GT(endKiB, 0u);
    EXPECT_LE(endKiB, warmKiB + kGrowthBoundKiB)
        << "resident memory grew from " << warmKiB << " KiB after warm-up to " << endKiB << " KiB";

    std::printf("soak (program): %lld s, lost connections %zu (%s), reconnected %zu, reconnect max "
                "%lld ms mean "
                "%.0f ms, frames %llu, greetings %llu, RSS %llu KiB after warm-up, %llu KiB at "
                "the end\n",
                static_cast<long long>(duration.count()), recoveries.size(),
                closeReasons(recoveries).c_str(), figures.count,
                static_cast<long long>(figures.maxMs), figures.meanMs,
                static_cast<unsigned long long>(after ? after->frames : 0),
                static_cast<unsigned long long>(after ? after->greetings : 0),
                static_cast<unsigned long long>(warmKiB), static_cast<unsigned long long>(endKiB));
    EXPECT_EQ(terminate(program), 0) << readWholeFile(dir.filePath("program.err")).toStdString();
}
