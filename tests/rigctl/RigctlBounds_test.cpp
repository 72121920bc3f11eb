// A client that misbehaves: lines too long, bytes that are no protocol, input in any pieces, a
// flood of sets. Each gets errors or the end of the conversation, answered in order, with nothing
// kept beyond one line.
#include "link/CommandQueue.h"
#include "rigctl/RigctlSession.h"
#include "session/SessionReceiverPort.h"
#include "sync/ReceiverState.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

using namespace talix;
using namespace talix::rigctl;

namespace {

struct Receiver {
    sync::ReceiverState state;
    link::CommandQueue queue;
    session::SessionReceiverPort port{state, queue};
};

// Replies are whole lines: a client reading line by line is never left waiting mid-reply.
bool wholeLines(const std::string& replies) {
    return replies.empty() || replies.back() == '\n';
}

} // namespace

TEST(RigctlBounds, ALineLongerThanTheLimitEndsTheConversation) {
    const struct {
        size_t length;
        bool ends;
    } cases[] = {{RigctlSession::kLongestLine, false}, {RigctlSession::kLongestLine + 1, true}};
    for (const auto& c : cases) {
        Receiver r;
        RigctlSession session(r.port);
        const std::string line(c.length, 'x');
        // In pieces, as the socket delivers it: the limit holds across them.
        std::string replies;
        for (size_t at = 0; at < line.size(); at += 1000)
            replies += session.receive(std::string_view(line).substr(at, 1000));
        replies += session.receive("\nf\n");
        EXPECT_EQ(session.finished(), c.ends) << c.length;
        EXPECT_EQ(replies, c.ends ? "RPRT -1\n" : "RPRT -11\n0\n") << c.length;
    }
}

TEST(RigctlBounds, GarbageIsAnsweredLineByLineAndNeverCrashes) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        Receiver r;
        RigctlSession session(r.port);
        std::string bytes;
        const size_t n = random() % 3000;
        for (size_t i = 0; i < n; ++i)
            bytes += char(random() % 4 == 0 ? '\n' : random() % 256);
        std::string replies;
        for (size_t at = 0; at < bytes.size() && !session.finished();) {
            const size_t piece = 1 + random() % 64;
            replies += session.receive(std::string_view(bytes).substr(at, piece));
            at += piece;
        }
        EXPECT_TRUE(wholeLines(replies)) << round;
        EXPECT_LE(r.queue.waiting(), link::kQueueLimit);
    }
}

TEST(RigctlBounds, AFloodOfSetsIsAnsweredInOrderAndTheQueueLimitRefusesTheRest) {
    Receiver r;
    RigctlSession session(r.port);
    constexpr int kLines = 20000;
    std::string flood;
    for (int i = 0; i < kLines; ++i)
        flood += "F 145000000\n";
    const std::string replies = session.receive(flood);
    std::string expected;
    for (size_t i = 0; i < kLines; ++i)
        expected += i < link::kQueueLimit ? "RPRT 0\n" : "RPRT -9\n";
    EXPECT_EQ(replies, expected);
    EXPECT_EQ(r.queue.waiting(), link::kQueueLimit);
}

TEST(RigctlBounds, NothingIsReadAfterTheClientQuits) {
    Receiver r;
    RigctlSession session(r.port);
    EXPECT_EQ(session.receive("f\nq\nF 145000000\nf\n"), "0\nRPRT 0\n");
    EXPECT_TRUE(session.finished());
    EXPECT_EQ(session.receive("f\n"), "");
    EXPECT_EQ(r.queue.waiting(), 0u);
}
