// The simulated board on loopback: greeting, frame stream, pauses, drops, received records.
#include "base/LittleEndian.h"
#include "link/CommandRecords.h"
#include "sim/SimBoard.h"
#include "sim/support/SimClient.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <thread>

using namespace talix;
using namespace talix::sim;
using namespace std::chrono_literals;
using talix::simtest::SimClient;

namespace {

SimOptions loopbackOptions() {
    SimOptions o;
    o.listen = {"127.0.0.1", 0};
    return o;
}

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::string tempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            (name + "-" + std::to_string(::getpid()) + ".log"))
        .string();
}

std::vector<std::string> recordLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

} // namespace

TEST(SimBoardStream, StartsFailsOnAnAddressInUse) {
    SimBoard first(loopbackOptions());
    ASSERT_TRUE(first.start());
    SimOptions o = loopbackOptions();
    o.listen.port = first.port();
    SimBoard second(o);
    EXPECT_FALSE(second.start());
    EXPECT_FALSE(second.error().empty());
}

TEST(SimBoardStream, NothingIsStreamedBeforeTheGreeting) {
    SimBoard board(loopbackOptions());
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.send(link::commands::button(12)));
    ASSERT_TRUE(waitFor([&] { return board.receivedRecords().size() == 1; }));
    EXPECT_EQ(board.framesSent(), 0u);
    EXPECT_EQ(board.greetingsReceived(), 0u);
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.waitFrames(3));
    EXPECT_EQ(board.greetingsReceived(), 1u);
    EXPECT_EQ(board.connectionsAccepted(), 1u);
}

TEST(SimBoardStream, FramesAreWellFormedAndCountedByOne) {
    SimBoard board(loopbackOptions());
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.waitFrames(40));
    for (size_t i = 1; i < client.frames.size(); ++i)
        ASSERT_EQ(client.frames[i].counter, (client.frames[i - 1].counter + 1) & 0xFFFF);
    for (const auto& f : client.frames) {
        ASSERT_EQ(f.payload.size(), 3700u);
        const uint32_t header = readLe32(f.payload.data());
        EXPECT_LE(header & 0xFF, 123u);
        if ((header & 0xFF) != 0) {
            EXPECT_NE(header >> 8 & 0x7FFFFF, 0u);
        }
    }
}

TEST(SimBoardStream, StreamsAboutEightyFramesPerSecond) {
    SimBoard board(loopbackOptions());
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.waitFrames(2));
    const size_t first = client.frames.size();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(client.waitFrames(first + 120));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double rate = 120 / seconds;
    // The board cannot run ahead of its clock; a busy machine may only slow it down.
    EXPECT_LT(rate, 80 * 1.25);
    EXPECT_GT(rate, 80 * 0.3);
}

TEST(SimBoardStream, PauseStopsTheStreamAndCountingGoesOn) {
    SimBoard board(loopbackOptions());
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.waitFrames(5));
    board.pauseStreaming(300ms);
    const size_t before = client.frames.size();
    ASSERT_TRUE(client.waitFrames(before + 40));
    // The largest gap between two frames is the pause.
    std::chrono::steady_clock::duration widest{};
    for (size_t i = before; i < client.frames.size(); ++i) {
        widest = std::max(widest, client.frames[i].arrival - client.frames[i - 1].arrival);
        ASSERT_EQ(client.frames[i].counter, (client.frames[i - 1].counter + 1) & 0xFFFF);
    }
    EXPECT_GE(widest, 250ms);
}

TEST(SimBoardStream, DroppedConnectionIsAcceptedAgainAndStreamsAfterTheGreeting) {
    SimBoard board(loopbackOptions());
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.waitFrames(3));
    board.dropConnection();
    ASSERT_TRUE(client.waitClosed());
    EXPECT_FALSE(client.connected());

    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(waitFor([&] { return board.connectionsAccepted() == 2; }));
    ASSERT_TRUE(client.greet());
    const size_t before = client.frames.size();
    ASSERT_TRUE(client.waitFrames(before + 3));
    EXPECT_EQ(board.greetingsReceived(), 2u);
}

TEST(SimBoardStream, ScheduledPauseAndDropFromOptions) {
    SimOptions o = loopbackOptions();
    o.dropAfter = 200ms;
    SimBoard board(o);
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(client.connect());
        ASSERT_TRUE(client.greet());
        ASSERT_TRUE(client.waitFrames(client.frames.size() + 2));
        ASSERT_TRUE(client.waitClosed());
    }
    EXPECT_EQ(board.connectionsAccepted(), 2u);
}

TEST(SimBoardStream, NewConnectionReplacesTheCurrentOne) {
    SimBoard board(loopbackOptions());
    ASSERT_TRUE(board.start());
    SimClient first(board.port());
    SimClient second(board.port());
    ASSERT_TRUE(first.connect());
    ASSERT_TRUE(first.greet());
    ASSERT_TRUE(first.waitFrames(2));
    ASSERT_TRUE(second.connect());
    ASSERT_TRUE(second.greet());
    ASSERT_TRUE(second.waitFrames(2));
    ASSERT_TRUE(first.waitClosed());
}

TEST(SimBoardStream, RecordsAreCutLoggedAsHexAndKeptInOrder) {
    SimOptions o = loopbackOptions();
    o.logPath = tempPath("talix-sim-records");
    SimBoard board(o);
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    // One write with several records, then one split over two writes, then an unknown kind.
    ASSERT_TRUE(client.send({1,  0x0D, 0x0B, 2, 0xFE, 192, 0, 0, 13, 245, 32, 0,
                             72, 232,  1,    0, 245,  27,  0, 3, 0,  0,   0}));
    ASSERT_TRUE(client.send({23, 179}));
    ASSERT_TRUE(waitFor([&] { return board.receivedRecords().size() == 5; }));
    ASSERT_TRUE(client.send({0x34, 0x12}));
    ASSERT_TRUE(waitFor([&] { return board.receivedRecords().size() == 6; }));
    ASSERT_TRUE(client.send({99, 1, 2}));
    ASSERT_TRUE(waitFor([&] { return board.receivedRecords().size() == 7; }));
    const std::vector<std::vector<uint8_t>> expected{{1, 0x0D, 0x0B},
                                                     {2, 0xFE},
                                                     {192, 0, 0, 13},
                                                     {245, 32, 0, 72, 232, 1, 0},
                                                     {245, 27, 0, 3, 0, 0, 0},
                                                     {23, 179, 0x34, 0x12},
                                                     {99, 1, 2}};
    EXPECT_EQ(board.receivedRecords(), expected);

    board.stop();
    const auto lines = recordLines(o.logPath);
    ASSERT_EQ(lines.size(), 8u) << "the greeting is logged as well";
    const std::regex stamp(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z (.*)$)");
    const std::vector<std::string> hex{"12",
                                       "01 0d 0b",
                                       "02 fe",
                                       "c0 00 00 0d",
                                       "f5 20 00 48 e8 01 00",
                                       "f5 1b 00 03 00 00 00",
                                       "17 b3 34 12",
                                       "63 01 02"};
    for (size_t i = 0; i < lines.size(); ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(lines[i], m, stamp)) << lines[i];
        EXPECT_EQ(m[1].str(), hex[i]);
    }
    std::filesystem::remove(o.logPath);
}

TEST(SimBoardStream, GivenWordsArriveAsOneBlockResentUntilAcknowledged) {
    SimOptions o = loopbackOptions();
    o.resendAfter = 100ms;
    SimBoard board(o);
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    const std::vector<uint32_t> words{0x00000DF6, 0x000001C0 | 5u << 8 | 1u << 16};
    bool holdBack = true;
    client.acknowledgeIf = [&](const auto& block) { return !holdBack || block.words != words; };
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.waitFrames(1));
    board.sendParamWords(words);
    const auto given = [&] {
        size_t n = 0;
        for (const auto& b : client.blocks)
            n += b.words == words;
        return n;
    };
    // Without acknowledgements the same words come again, each time with a new number.
    ASSERT_TRUE(client.pumpUntil([&] { return given() >= 3; }));
    std::vector<uint32_t> seqs;
    for (const auto& b : client.blocks)
        if (b.words == words)
            seqs.push_back(b.seq);
    EXPECT_NE(seqs[0], seqs[1]);
    EXPECT_NE(seqs[1], seqs[2]);

    // Acknowledged once, never again.
    holdBack = false;
    ASSERT_TRUE(client.pumpUntil([&] { return given() > seqs.size(); }));
    const size_t seen = given();
    const size_t frames = client.frames.size();
    ASSERT_TRUE(client.waitFrames(frames + 40)); // several resend periods
    // A copy may already have been on its way when the acknowledgement reached the board.
    EXPECT_LE(given(), seen + 1);
}
