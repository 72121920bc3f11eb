#include "link/CommandQueue.h"
#include "link/CommandRecords.h"

#include <gtest/gtest.h>

using namespace talix::link;

namespace {

struct LimitCase {
    LimitRule rule;
    size_t waiting;
    bool queued;
    bool notified;
};

class QueueLimit : public ::testing::TestWithParam<LimitCase> {};

} // namespace

TEST_P(QueueLimit, AppliesTheSendersRule) {
    const LimitCase c = GetParam();
    CommandQueue queue;
    int notified = 0;
    queue.setFullNotifier([&] { ++notified; });
    for (size_t i = 0; i < c.waiting; ++i)
        queue.QueueCommand(commands::button(int(i)), LimitRule::None);
    queue.quiet();
    const QueueResult r = queue.QueueCommand(commands::button(99), c.rule);
    EXPECT_EQ(r == QueueResult::Queued, c.queued);
    EXPECT_EQ(queue.waiting(), c.waiting + (c.queued ? 1 : 0));
    EXPECT_EQ(queue.ready(), c.queued);
    EXPECT_EQ(notified, c.notified ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rules, QueueLimit,
                         ::testing::Values(LimitCase{LimitRule::Notify, 9, true, false},
                                           LimitCase{LimitRule::Notify, 10, false, true},
                                           LimitCase{LimitRule::Notify, 14, false, true},
                                           LimitCase{LimitRule::Drop, 9, true, false},
                                           LimitCase{LimitRule::Drop, 10, false, false},
                                           LimitCase{LimitRule::None, 10, true, false},
                                           LimitCase{LimitRule::None, 25, true, false}));

TEST(CommandQueue, TenClicksQueueAndTheEleventhNotifies) {
    CommandQueue queue;
    int notified = 0;
    queue.setFullNotifier([&] { ++notified; });
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(queue.QueueCommand(commands::button(0x0105), LimitRule::Notify),
                  QueueResult::Queued);
    EXPECT_EQ(queue.QueueCommand(commands::button(0x0105), LimitRule::Notify),
              QueueResult::Refused);
    EXPECT_EQ(notified, 1);
    queue.clear(); // what a connect does
    EXPECT_EQ(queue.waiting(), 0u);
}

TEST(CommandQueue, KeepsOrderAndDuplicates) {
    CommandQueue queue;
    queue.QueueCommand({1, 2, 0}, LimitRule::Notify);
    queue.QueueCommand({2, 2}, LimitRule::Drop);
    queue.QueueCommand({2, 2}, LimitRule::Drop);
    EXPECT_EQ(queue.takeCommands(), (std::vector<Command>{{1, 2, 0}, {2, 2}, {2, 2}}));
    EXPECT_EQ(queue.waiting(), 0u);
}

TEST(CommandRecords, CatalogueWireBytes) {
    struct Case {
        const char* what;
        Command bytes;
        Command expected;
    };
    const Case cases[] = {
        {"button sends both Tag bytes", commands::button(300), {1, 44, 1}},
        {"set value sends the Tag modulo 256",
         commands::setValue(300, 0, 5),
         {245, 44, 0, 5, 0, 0, 0}},
        {"knob step minus two", commands::knobStep(-2), {2, 0xFE}},
        {"drag step -128", commands::knobStep(-128), {2, 0x80}},
        {"acknowledgement of 0x123456", commands::acknowledge(0x123456), {13, 0, 0x56, 0x34, 0x12}},
        {"greeting", commands::greeting(), {0x12}},
        {"field select on the Setup form", commands::fieldSelect(7, 1, 5), {192, 7, 1, 5}},
        {"rotator dial touched", commands::rotatorSelect(true), {192, 1, 16}},
        {"rotator left", commands::rotatorSelect(false), {192, 0, 16}},
        {"memory field", commands::memoryFieldSelect(3, 2, 3), {192, 3, 5, 0, 1, 2, 3}},
        {"antenna setting", commands::setting178(1), {23, 178, 1}},
        {"16-bit setting low byte first", commands::setting179(0x1234), {23, 179, 0x34, 0x12}},
        {"tap to tune 14 MHz",
         commands::setValue(0, 0, 140000000),
         {245, 0, 0, 0x00, 0x3B, 0x58, 0x08}},
        {"DAB programme", commands::dabChoice(4), {245, 4, 15}},
        {"WiFi set", commands::wifiSet(), {8}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bytes, c.expected) << c.what;
}

TEST(CommandRecords, TuningStepChoiceIsOneFourteenByteRecord) {
    const Command step =
        commands::concat(commands::setValue(32, 0, 125000), commands::setValue(27, 0, 4));
    ASSERT_EQ(step.size(), 14u);
    EXPECT_EQ(step[0], 245);
    EXPECT_EQ(step[7], 245);
    EXPECT_EQ(step[8], 27);
}

namespace {

std::vector<CommandQueue::Pending> writeAll(CommandQueue& queue) {
    std::vector<CommandQueue::Pending> written;
    CommandQueue::Pending next;
    while (queue.takeNext(next)) {
        written.push_back(next);
        queue.removeWritten(next);
    }
    return written;
}

} // namespace

// Acknowledgements never count against the limit the controls read, and are never refused.
TEST(CommandQueue, AcknowledgementsAreOutsideTheLimit) {
    CommandQueue queue;
    for (size_t i = 0; i < kQueueLimit; ++i)
        queue.QueueCommand(commands::button(int(i)), LimitRule::None);
    queue.quiet();
    queue.queueAcknowledgement(commands::acknowledge(7));
    EXPECT_EQ(queue.waiting(), kQueueLimit);
    EXPECT_TRUE(queue.ready());
    const auto written = writeAll(queue);
    ASSERT_EQ(written.size(), kQueueLimit + 1);
    EXPECT_TRUE(written.front().acknowledgement);
    EXPECT_EQ(written.front().bytes, commands::acknowledge(7));
    EXPECT_EQ(queue.waiting(), 0u);
}

TEST(CommandQueue, AcknowledgementsComeFirstEachKindInItsOrder) {
    CommandQueue queue;
    queue.QueueCommand({1, 1, 0}, LimitRule::Notify);
    queue.queueAcknowledgement({13, 0, 1, 0, 0});
    queue.QueueCommand({2, 2}, LimitRule::Drop);
    queue.queueAcknowledgement({13, 0, 2, 0, 0});
    std::vector<Command> order;
    for (const auto& p : writeAll(queue))
        order.push_back(p.bytes);
    EXPECT_EQ(order, (std::vector<Command>{{13, 0, 1, 0, 0}, {13, 0, 2, 0, 0}, {1, 1, 0}, {2, 2}}));
}

// Nothing to write: the signal goes, so that the sender waits instead of passing again.
TEST(CommandQueue, FindingNothingToWriteResetsTheSignal) {
    CommandQueue queue;
    queue.QueueCommand({1, 1, 0}, LimitRule::Notify);
    queue.queueAcknowledgement({13, 0, 1, 0, 0});
    queue.clear();
    EXPECT_EQ(queue.waiting(), 0u);
    ASSERT_TRUE(queue.ready());
    CommandQueue::Pending next;
    EXPECT_FALSE(queue.takeNext(next));
    EXPECT_FALSE(queue.ready());
}

// A record written while a connect emptied the queue is not taken from the new connection's
// records.
TEST(CommandQueue, ARecordWrittenAcrossAClearRemovesNothing) {
    CommandQueue queue;
    queue.QueueCommand({1, 1, 0}, LimitRule::Notify);
    CommandQueue::Pending next;
    ASSERT_TRUE(queue.takeNext(next));
    queue.clear();
    queue.QueueCommand({2, 2}, LimitRule::Notify);
    queue.removeWritten(next);
    EXPECT_EQ(queue.waiting(), 1u);
    ASSERT_TRUE(queue.takeNext(next));
    EXPECT_EQ(next.bytes, (Command{2, 2}));
}
