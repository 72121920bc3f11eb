// The sender and receive threads against a scripted board on loopback.
#include "link/CommandRecords.h"
#include "link/ReceiveThread.h"
#include "link/SenderThread.h"
#include "link/support/ClosingBoard.h"
#include "support/LoopbackServer.h"

#include <array>
#include <gtest/gtest.h>
#include <mutex>
#include <set>

using namespace talix;
using namespace talix::link;
using talix::testing::boardFrame;
using talix::testing::ClosingBoard;
using talix::testing::LoopbackServer;

namespace {

class CountingHost : public ReceiveHost {
public:
    explicit CountingHost(const FrameRing& ring) : ring(ring) {}
    // Taken on the receive thread: its slot cannot be reused meanwhile.
    void frameReady(FrameTicket ticket) override {
        std::array<uint8_t, kPayloadLength> payload{};
        const bool taken = ring.take(ticket, payload);
        std::lock_guard lock(mutex);
        counters.push_back(ticket.lParam >> 16);
        firstBytes.push_back(taken ? payload[0] : 0xFF);
    }
    bool updateRepliesWanted() override { return false; }
    void updateReply(uint32_t) override {}
    void linkLost() override { ++lost; }

    size_t frames() {
        std::lock_guard lock(mutex);
        return counters.size();
    }
    // Copies taken under the lock: the receive thread appends to them.
    std::vector<uint32_t> frameCounters() {
        std::lock_guard lock(mutex);
        return counters;
    }
    std::vector<uint8_t> payloadFirstBytes() {
        std::lock_guard lock(mutex);
        return firstBytes;
    }
    const FrameRing& ring;
    std::mutex mutex;
    std::vector<uint32_t> counters;
    std::vector<uint8_t> firstBytes;
    std::atomic<int> lost{0};
};

struct Link {
    // With a resolver the board is reached by the name "localhost", looked up at every attempt.
    explicit Link(uint16_t port, ReceiveTimings timings = {20, 5, 80}, HostResolver resolver = {}) {
        settings.board = {resolver ? "localhost" : "127.0.0.1", port};
        settings.resolver = std::move(resolver);
        settings.connectTimeoutMs = 2000;
        receiver = std::make_unique<ReceiveThread>(port_, ring, settings, host, closing, timings);
        sender =
            std::make_unique<SenderThread>(queue, port_, closing, std::chrono::milliseconds(666));
    }
    ~Link() {
        closing = true;
        sender.reset();
        receiver.reset();
    }
    std::atomic<bool> closing{false};
    CommandQueue queue;
    LinkPort port_{queue};
    LinkSettings settings;
    FrameRing ring;
    CountingHost host{ring};
    std::unique_ptr<ReceiveThread> receiver;
    std::unique_ptr<SenderThread> sender;
};

bool received(LoopbackServer& s, size_t conn, const std::vector<uint8_t>& bytes) {
    return LoopbackServer::waitFor([&] { return s.received(conn) == bytes; });
}

} // namespace

TEST(LinkThreads, GreetsAfterConnectAndDeliversFrames) {
    LoopbackServer board;
    Link link(board.port());
    ASSERT_TRUE(received(board, 0, {0x12}));
    ASSERT_TRUE(board.send(boardFrame(7, 1)));
    ASSERT_TRUE(board.send(boardFrame(8, 2)));
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return link.host.frames() == 2; }));
    EXPECT_EQ(link.host.frameCounters(), (std::vector<uint32_t>{7, 8}));
}

TEST(LinkThreads, QueuedCommandsReachTheBoardInOrderOnce) {
    LoopbackServer board;
    Link link(board.port());
    ASSERT_TRUE(received(board, 0, {0x12}));
    link.queue.QueueCommand(commands::button(0x0105), LimitRule::Notify);
    link.queue.QueueCommand(commands::knobStep(2), LimitRule::Drop);
    link.queue.QueueCommand(commands::fieldSelect(3, 0, 0), LimitRule::Notify);
    link.queue.QueueCommand(commands::setValue(300, 0, 1), LimitRule::Drop);
    EXPECT_TRUE(received(board, 0, {0x12, 1, 5, 1, 2, 2, 192, 3, 0, 0, 245, 44, 0, 1, 0, 0, 0}));
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return link.queue.waiting() == 0; }));
}

TEST(LinkThreads, SilenceAfterFramesDropsTheLinkAndReconnectsWithAnEmptyQueue) {
    LoopbackServer board;
    // The general limit is out of reach here: only the limit for a flowing stream can drop it.
    Link link(board.port(), ReceiveTimings{20, 5, 100000});
    ASSERT_TRUE(received(board, 0, {0x12}));
    ASSERT_TRUE(board.send(boardFrame(1)));
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return link.host.frames() == 1; }));
    // The board falls silent: the link is dropped after six empty polls.
    const auto silentFrom = std::chrono::steady_clock::now();
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.closedByPeer(0); }));
    EXPECT_GE(std::chrono::steady_clock::now() - silentFrom,
              std::chrono::milliseconds(5 * 20)); // the first empty poll may predate silentFrom
    // The link-lost display follows the close on the receive thread.
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return link.host.lost.load() >= 1; }));
    // A second connection follows, greeted again; the stream flowed before, so it too must
    // deliver within six polls.
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.connections() >= 2; }));
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return board.received(1).size() >= 1; }));
    EXPECT_EQ(board.received(1).front(), 0x12);
}

// The reader keeps a partial header for the next read; the bytes it holds must not count as
// data on every later poll.
TEST(LinkThreads, SilenceWithAPartialHeaderBufferedStillDropsTheLink) {
    LoopbackServer board;
    Link link(board.port(), ReceiveTimings{20, 5, 100000});
    ASSERT_TRUE(received(board, 0, {0x12}));
    auto bytes = boardFrame(1);
    const auto next = boardFrame(2);
    bytes.insert(bytes.end(), next.begin(), next.begin() + 6);
    ASSERT_TRUE(board.send(bytes));
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return link.host.frames() == 1; }));
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return board.closedByPeer(0); }));
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return link.host.lost.load() >= 1; }));
}

TEST(LinkThreads, RecordsQueuedWhileTheLinkIsDownAreNeverSent) {
    LoopbackServer board;
    ReceiveTimings timings{20, 5, 80};
    std::atomic<bool> closing{false};
    CommandQueue queue;
    LinkPort port(queue);
    // Queued before any connection exists.
    for (int i = 0; i < 10; ++i)
        queue.QueueCommand(commands::button(0x0104), LimitRule::Notify);
    FrameRing ring;
    CountingHost host(ring);
    LinkSettings settings;
    settings.board = {"127.0.0.1", board.port()};
    ReceiveThread receiver(port, ring, settings, host, closing, timings);
    SenderThread sender(queue, port, closing, std::chrono::milliseconds(666));
    ASSERT_TRUE(received(board, 0, {0x12}));
    queue.QueueCommand(commands::knobStep(2), LimitRule::Drop);
    EXPECT_TRUE(received(board, 0, {0x12, 2, 2}));
    closing = true;
}

TEST(LinkThreads, BeforeTheFirstFrameTheBoardMayStaySilentEightyPolls) {
    LoopbackServer board;
    Link link(board.port(), ReceiveTimings{10, 5, 80});
    ASSERT_TRUE(received(board, 0, {0x12}));
    const auto from = std::chrono::steady_clock::now();
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.closedByPeer(0); }));
    // Polls never return early without data, so the drop cannot come before 80 of them.
    EXPECT_GE(std::chrono::steady_clock::now() - from, std::chrono::milliseconds(80 * 10));
}

TEST(LinkThreads, ResynchronisesAfterGarbageAndSplitFrames) {
    LoopbackServer board;
    Link link(board.port());
    ASSERT_TRUE(received(board, 0, {0x12}));
    std::vector<uint8_t> stream(400, 0x5A);
    for (uint32_t c = 1; c <= 3; ++c) {
        const auto f = boardFrame(c, uint8_t(c));
        stream.insert(stream.end(), f.begin(), f.end());
    }
    // Pieces of odd sizes; the reader must wait for missing bytes instead of blocking.
    for (size_t at = 0; at < stream.size(); at += 1000) {
        ASSERT_TRUE(
            board.send({stream.begin() + at, stream.begin() + std::min(stream.size(), at + 1000)}));
        std::this_thread::yield();
    }
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return link.host.frames() == 3; }));
    EXPECT_EQ(link.host.payloadFirstBytes(), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(LinkThreads, PeerClosingBeforeAnyFrameIsRetried) {
    LoopbackServer board;
    Link link(board.port());
    ASSERT_TRUE(received(board, 0, {0x12}));
    board.closeConnection();
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.connections() >= 2; }));
    EXPECT_TRUE(received(board, 1, {0x12}));
}

namespace {

// Connection attempts start one poll interval apart at the soonest: however slowly this machine
// runs, the n-th cannot begin sooner than n - 1 intervals after the thread was started.
constexpr int kPacingPollMs = 50;
const ReceiveTimings kPacingTimings{kPacingPollMs, 5, 80};
constexpr size_t kAttempts = 6;

std::chrono::milliseconds leastTimeFor(size_t attempts) {
    return std::chrono::milliseconds(kPacingPollMs * int(attempts - 1));
}

struct ClosingCase {
    const char* name;
    std::set<size_t> withFrame; // the connections that deliver a frame before their close
    int lossesShown;
};

void PrintTo(const ClosingCase& c, std::ostream* os) {
    *os << c.name;
}

class AcceptAndClose : public ::testing::TestWithParam<ClosingCase> {};

} // namespace

// Something at the board's address accepts and closes every connection at once: the thread
// keeps connecting, one poll interval apart, and shows the lost link once per link that
// delivered frames, not once per connection.
TEST_P(AcceptAndClose, ConnectsOneIntervalApartAndShowsEachLostLinkOnce) {
    const ClosingCase& c = GetParam();
    ClosingBoard board(c.withFrame);
    ASSERT_NE(board.port(), 0);
    const auto started = std::chrono::steady_clock::now();
    Link link(board.port(), kPacingTimings);
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return board.connections() >= kAttempts; }));
    EXPECT_GE(std::chrono::steady_clock::now() - started, leastTimeFor(kAttempts));
    EXPECT_EQ(link.host.frames(), c.withFrame.size());
    EXPECT_EQ(link.host.lost.load(), c.lossesShown);
}

INSTANTIATE_TEST_SUITE_P(Table, AcceptAndClose,
                         ::testing::Values(ClosingCase{"BeforeAnyFrame", {}, 0},
                                           ClosingCase{"AfterFramesFlowed", {0}, 1},
                                           ClosingCase{"FramesFlowedAgainInBetween", {0, 2}, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LinkThreads, AnUnreachableBoardKeepsBeingRetriedAndShowsTheLossOnce) {
    uint16_t freePort;
    {
        LoopbackServer probe;
        freePort = probe.port();
    }                                // nothing listens there any more
    std::atomic<size_t> attempts{0}; // each attempt looks the name up once
    const auto started = std::chrono::steady_clock::now();
    Link link(freePort, kPacingTimings, [&](const std::string&) -> std::optional<uint32_t> {
        ++attempts;
        return 0x7F000001;
    });
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return attempts.load() >= kAttempts; }));
    EXPECT_GE(std::chrono::steady_clock::now() - started, leastTimeFor(kAttempts));
    EXPECT_EQ(link.host.lost.load(), 1);
}

TEST(LinkThreads, SenderStopsPromptlyWhenIdle) {
    std::atomic<bool> closing{false};
    CommandQueue queue;
    LinkPort port(queue);
    // A wait far longer than any test: only the stop request can end it.
    constexpr auto kIdleWait = std::chrono::minutes(10);
    auto sender = std::make_unique<SenderThread>(queue, port, closing, kIdleWait);
    std::this_thread::yield();
    const auto from = std::chrono::steady_clock::now();
    closing = true;
    queue.quiet();
    sender->requestStop();
    sender->join();
    EXPECT_LT(std::chrono::steady_clock::now() - from, kIdleWait / 10);
}

TEST(LinkClient, RefusesAddressesOutsideLoopbackInTests) {
    // Every test program turns the guard on before main: the real device is never reached.
    ASSERT_TRUE(talix::destinationAllowed("127.0.0.1"));
    LinkSettings settings;
    settings.board = {"192.168.4.1", 55555}; // the real board
    ASSERT_FALSE(talix::destinationAllowed(settings.board.host));
    LinkClient client(settings);
    EXPECT_FALSE(client.connect());
    EXPECT_FALSE(client.connected());
}
