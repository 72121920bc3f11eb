// The sender thread and the link port: what the user interface may rely on while the board is
// slow or the link is replaced.
#include "base/ThreadPriority.h"
#include "link/CommandRecords.h"
#include "link/ReceiveThread.h"
#include "link/SenderThread.h"
#include "link/support/DeafBoard.h"
#include "support/LoopbackServer.h"

#include <array>
#include <cerrno>
#include <future>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace talix;
using namespace talix::link;
using talix::testing::DeafBoard;
using talix::testing::LoopbackServer;

namespace {

std::unique_ptr<LinkClient> connectedClient(uint16_t port, int writeTimeoutMs = 3500) {
    LinkSettings settings;
    settings.board = {"127.0.0.1", port};
    settings.readTimeoutMs = writeTimeoutMs;
    auto client = std::make_unique<LinkClient>(settings);
    return client->connect() ? std::move(client) : nullptr;
}

Command cat(std::initializer_list<Command> records) {
    Command all;
    for (const Command& r : records)
        all.insert(all.end(), r.begin(), r.end());
    return all;
}

} // namespace

namespace {

// The board stops reading and the sender sits in a write it cannot finish, with a write time-out
// far beyond the test: only closing the board ends the write.
class StuckSender : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(board.port(), 0);
        auto client = connectedClient(board.port(), 600000);
        ASSERT_TRUE(client);
        ASSERT_TRUE(board.accept());
        port.installConnected(std::move(client), true);
        connection = port.connection();
        sender = std::make_unique<SenderThread>(queue, port, closing, std::chrono::seconds(10));
        // Far more than the socket buffers of both ends hold.
        queue.QueueCommand(Command(16 << 20, 0xA5), LimitRule::None);
        ASSERT_TRUE(LoopbackServer::waitFor([&] { return port.writing(); }));
    }
    void TearDown() override { closing = true; }

    DeafBoard board;
    std::atomic<bool> closing{false};
    CommandQueue queue;
    LinkPort port{queue};
    uint64_t connection = 0;
    std::unique_ptr<SenderThread> sender; // stops first
};

} // namespace

// Queueing a command or an acknowledgement still returns at once, while the sender is still
// inside that write.
TEST_F(StuckSender, QueueingNeverWaitsForAWriteTheBoardDoesNotTake) {
    auto queued = std::async(std::launch::async, [&] {
        queue.QueueCommand(commands::button(0x0105), LimitRule::Notify);
        queue.queueAcknowledgement(commands::acknowledge(0x010203));
    });
    EXPECT_EQ(queued.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_TRUE(port.writing()); // the sender has not left its write
    EXPECT_EQ(queue.waiting(), 2u);

    board.close(); // resets the connection: the write fails, and the sender waits again
    queued.wait();
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return !port.writing(); }));
}

// What the update form asks of the link, whether it is up and to take a record, is answered at
// once, while the sender is still inside that write; the record goes out after it, on that
// connection.
TEST_F(StuckSender, TheUpdateNeverWaitsForAWriteTheBoardDoesNotTake) {
    const Command enterUpdateMode{10};
    auto asked = std::async(std::launch::async, [&] {
        const bool up = port.connected();
        const bool handed =
            port.queueUpdateRecord(enterUpdateMode.data(), enterUpdateMode.size(), connection);
        const bool handedElsewhere =
            port.queueUpdateRecord(enterUpdateMode.data(), enterUpdateMode.size(), connection + 1);
        return std::array<bool, 3>{up, handed, handedElsewhere};
    });
    ASSERT_EQ(asked.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_TRUE(port.writing()); // the sender has not left its write
    EXPECT_EQ(asked.get(), (std::array<bool, 3>{true, true, false}));

    board.close(); // resets the connection: the write fails, and the link is down
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return !port.connected(); }));
    EXPECT_FALSE(
        port.queueUpdateRecord(enterUpdateMode.data(), enterUpdateMode.size(), connection));
}

namespace {

struct OrderCase {
    const char* name;
    std::function<void(CommandQueue&)> beforeConnect;
    std::function<void(CommandQueue&)> afterConnect;
    Command wire; // after the greeting
};

void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << c.name;
}

class SenderOrder : public ::testing::TestWithParam<OrderCase> {};

const Command kC1 = commands::button(0x0105);
const Command kC2 = commands::knobStep(2);
const Command kC3 = commands::setValue(300, 0, 1);
const Command kA1 = commands::acknowledge(0x000001);
const Command kA2 = commands::acknowledge(0x123456);
const Command kU1{10};
const Command kU2{12, 0xE8, 0x03, 0, 0};
constexpr uint64_t kFirstConnection = 1;

} // namespace

// What reaches the board once the sender starts: acknowledgements ahead of the commands waiting,
// each kind in its order, each once; a connect discards both kinds, and greets first.
TEST_P(SenderOrder, RecordsReachTheBoard) {
    const OrderCase& c = GetParam();
    LoopbackServer board;
    std::atomic<bool> closing{false};
    CommandQueue queue;
    LinkPort port(queue);
    c.beforeConnect(queue);
    auto client = connectedClient(board.port());
    ASSERT_TRUE(client);
    port.installConnected(std::move(client), true);
    c.afterConnect(queue);
    SenderThread sender(queue, port, closing, std::chrono::seconds(10));
    const Command expected = cat({commands::greeting(), c.wire});
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return board.received(0) == expected; }));
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return queue.waiting() == 0; }));
    EXPECT_EQ(board.received(0), expected);
    closing = true;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SenderOrder,
    ::testing::Values(OrderCase{"AcknowledgementsOvertakeCommandsInTheirOrder",
                                [](CommandQueue&) {},
                                [](CommandQueue& q) {
                                    q.QueueCommand(kC1, LimitRule::Notify);
                                    q.QueueCommand(kC2, LimitRule::Drop);
                                    q.queueAcknowledgement(kA1);
                                    q.QueueCommand(kC3, LimitRule::None);
                                    q.queueAcknowledgement(kA2);
                                },
                                cat({kA1, kA2, kC1, kC2, kC3})},
                      OrderCase{"AConnectDiscardsWaitingCommandsAndAcknowledgements",
                                [](CommandQueue& q) {
                                    q.QueueCommand(kC1, LimitRule::Notify);
                                    q.queueAcknowledgement(kA1);
                                },
                                [](CommandQueue& q) {
                                    q.QueueCommand(kC2, LimitRule::Notify);
                                    q.queueAcknowledgement(kA2);
                                },
                                cat({kA2, kC2})},
                      OrderCase{"AcknowledgementsAloneWithTheQueueFull", [](CommandQueue&) {},
                                [](CommandQueue& q) {
                                    for (int i = 0; i < 12; ++i)
                                        q.queueAcknowledgement(commands::acknowledge(uint32_t(i)));
                                },
                                [] {
                                    Command all;
                                    for (int i = 0; i < 12; ++i)
                                        all = cat({all, commands::acknowledge(uint32_t(i))});
                                    return all;
                                }()},
                      OrderCase{"UpdateRecordsGoFirstOnTheirConnectionOnly",
                                [](CommandQueue& q) {
                                    q.queueUpdateRecord(kU1, 0); // before any connection
                                },
                                [](CommandQueue& q) {
                                    q.QueueCommand(kC1, LimitRule::Notify);
                                    q.queueAcknowledgement(kA1);
                                    q.queueUpdateRecord(kU1, kFirstConnection);
                                    q.queueUpdateRecord(kU2, kFirstConnection + 1);
                                    q.queueUpdateRecord(kU2, kFirstConnection);
                                },
                                cat({kU1, kU2, kA1, kC1})}),
    [](const auto& info) { return std::string(info.param.name); });

// A connect that empties the queue between a QueueCommand and the sender's look leaves
// the ready signal set with nothing to write: the sender must reset it and wait, not pass again and
// again.
TEST(SenderThread, ASignalLeftWithNothingQueuedIsResetNotSpunOn) {
    std::atomic<bool> closing{false};
    CommandQueue queue;
    LinkPort port(queue);
    queue.QueueCommand(commands::button(0x0105), LimitRule::Notify);
    queue.clear(); // what installConnected does
    ASSERT_TRUE(queue.ready());
    // A wait far longer than the test: any further pass means the sender is spinning.
    SenderThread sender(queue, port, closing, std::chrono::seconds(60));
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return !queue.ready(); }));
    ASSERT_TRUE(LoopbackServer::waitFor([&] { return sender.passes() >= 1; }));
    const uint64_t passes = sender.passes();
    EXPECT_FALSE(LoopbackServer::waitFor([&] { return sender.passes() > passes + 1; },
                                         std::chrono::milliseconds(300)));
    EXPECT_LE(sender.passes(), 2u);
    closing = true;
}

namespace {

int niceOf(long tid) {
    errno = 0;
    return ::getpriority(PRIO_PROCESS, static_cast<id_t>(tid));
}

// Whether this process may lower a thread's nice value again (CAP_SYS_NICE or a nice limit).
bool mayLowerNiceValues() {
    bool may = false;
    std::thread([&] {
        const auto tid = static_cast<id_t>(currentThreadId());
        may = ::setpriority(PRIO_PROCESS, tid, 5) == 0 && ::setpriority(PRIO_PROCESS, tid, 0) == 0;
    }).join();
    return may;
}

class NoFrames : public ReceiveHost {
public:
    void frameReady(FrameTicket) override {}
    bool updateRepliesWanted() override { return false; }
    void updateReply(uint32_t) override {}
    void linkLost() override {}
};

} // namespace

// A thread created by a raised (or, here, lowered) thread starts at its creator's level; the
// sender and the receive thread set their own. Test programs keep every thread at nice 0.
TEST(LinkThreads, SenderAndReceiveThreadSetTheirOwnPriority) {
    if (!mayLowerNiceValues())
        GTEST_SKIP() << "this process may not lower a nice value";
    LoopbackServer board;
    struct Case {
        const char* name;
        bool sender;
    };
    for (const Case& c : {Case{"sender", true}, Case{"receive thread", false}}) {
        int nice = -100;
        int creatorNice = -100;
        std::thread([&] {
            ASSERT_EQ(::setpriority(PRIO_PROCESS, static_cast<id_t>(currentThreadId()), 5), 0);
            creatorNice = niceOf(currentThreadId());
            std::atomic<bool> closing{false};
            CommandQueue queue;
            LinkPort port(queue);
            FrameRing ring;
            NoFrames host;
            LinkSettings settings;
            settings.board = {"127.0.0.1", board.port()};
            std::unique_ptr<SenderThread> sender;
            std::unique_ptr<ReceiveThread> receiver;
            if (c.sender)
                sender = std::make_unique<SenderThread>(queue, port, closing);
            else
                receiver = std::make_unique<ReceiveThread>(port, ring, settings, host, closing);
            const auto tid = [&] { return c.sender ? sender->nativeTid() : receiver->nativeTid(); };
            if (LoopbackServer::waitFor([&] { return tid() != 0; }))
                nice = niceOf(tid());
            closing = true;
        }).join();
        EXPECT_EQ(creatorNice, 5) << c.name;
        EXPECT_EQ(nice, 0) << c.name;
    }
}
