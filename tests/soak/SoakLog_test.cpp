// What the soak reads from the board's log: connection events, recoveries and numbered commands.
#include "soak/support/BoardLog.h"
#include "soak/support/CommandTrail.h"
#include "soak/support/Recoveries.h"

#include <gtest/gtest.h>

using namespace talix::testing;

namespace {

constexpr int64_t kBase = 1'740'830'400'000; // 2025-03-01T12:00:00.000Z

// "2025-03-01T12:00:SS.mmmZ" for an offset of up to a minute.
std::string at(int ms) {
    char text[32];
    std::snprintf(text, sizeof text, "2025-03-01T12:00:%02d.%03dZ", ms / 1000, ms % 1000);
    return text;
}
std::string note(int ms, const std::string& text) {
    return "# " + at(ms) + " " + text + "\n";
}
std::string record(int ms, const std::string& hex) {
    return at(ms) + " " + hex + "\n";
}
// The numbered command n (65536 + n) as the board logs it.
std::string command(int ms, int n) {
    char hex[32];
    std::snprintf(hex, sizeof hex, "f5 14 00 %02x %02x 01 00", n & 0xFF, n >> 8);
    return record(ms, hex);
}

} // namespace

TEST(BoardLog, ReadsEveryKindOfLineAndSkipsUnfinishedOnes) {
    const auto events =
        parseBoardLog(note(0, "listening on 127.0.0.1:5000") + note(10, "connection 1 accepted") +
                      record(20, "12") + note(30, "fault: stream paused") +
                      note(40, "connection closed: fault: dropped") + "garbage line\n" +
                      record(50, "0d 00 05 00 00") + at(60) + " 01 0d");
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].kind, BoardEvent::Kind::Note);
    EXPECT_EQ(events[1].kind, BoardEvent::Kind::Accepted);
    EXPECT_TRUE(isGreeting(events[2]));
    EXPECT_EQ(events[2].ms, kBase + 20);
    EXPECT_EQ(events[3].kind, BoardEvent::Kind::Paused);
    EXPECT_EQ(events[4].kind, BoardEvent::Kind::Closed);
    EXPECT_EQ(events[4].text, "fault: dropped");
    EXPECT_EQ(events[5].bytes, (std::vector<uint8_t>{13, 0, 5, 0, 0}));
}

TEST(BoardLog, TimesAreUtcMilliseconds) {
    EXPECT_EQ(parseLogTime("2025-03-01T12:00:00.125Z"), kBase + 125);
    EXPECT_EQ(parseLogTime("2025-03-01T12:00:00.125"), -1);
    EXPECT_EQ(parseLogTime("yesterday"), -1);
}

struct RecoveryCase {
    const char* name;
    std::string log;
    int64_t faultMs;    // offset from kBase
    int64_t recoveryMs; // -1: not recovered
};

class Recoveries : public ::testing::TestWithParam<RecoveryCase> {};

TEST_P(Recoveries, StartAtTheFaultAndEndAtTheNextGreeting) {
    const auto found = findRecoveries(parseBoardLog(GetParam().log));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].faultMs, kBase + GetParam().faultMs);
    if (GetParam().recoveryMs < 0)
        EXPECT_FALSE(found[0].recovered());
    else
        EXPECT_EQ(found[0].recoveryMs(), GetParam().recoveryMs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Recoveries,
    ::testing::Values(
        RecoveryCase{"DropByTheBoard",
                     note(0, "connection 1 accepted") + record(5, "12") +
                         note(1000, "connection closed: fault: dropped") +
                         note(1100, "connection 2 accepted") + record(1120, "12"),
                     1000, 120},
        RecoveryCase{"SilenceTheProgramGaveUpOn",
                     note(0, "connection 1 accepted") + record(5, "12") +
                         note(1000, "fault: stream paused") +
                         note(1700, "connection closed: closed by the program") +
                         note(1750, "connection 2 accepted") + record(1760, "12"),
                     1000, 760},
        RecoveryCase{"PauseThatEndedBeforeTheDrop",
                     note(0, "connection 1 accepted") + record(5, "12") +
                         note(1000, "fault: stream paused") + note(1500, "stream resumed") +
                         note(3000, "connection closed: dropped on request") +
                         note(3100, "connection 2 accepted") + record(3150, "12"),
                     3000, 150},
        RecoveryCase{"SecondCloseBeforeTheGreeting",
                     note(0, "connection 1 accepted") + record(5, "12") +
                         note(1000, "connection closed: fault: dropped") +
                         note(1100, "connection 2 accepted") +
                         note(1200, "connection closed: replaced by a new connection") +
                         note(1200, "connection 3 accepted") + record(1300, "12"),
                     1000, 300},
        RecoveryCase{"NoGreetingYet",
                     note(0, "connection 1 accepted") + record(5, "12") +
                         note(1000, "connection closed: fault: dropped"),
                     1000, -1}),
    [](const auto& info) { return info.param.name; });

TEST(Recoveries, LateOnesAreThoseOverTheBoundOrWithoutGreetingLongAfter) {
    const auto found = findRecoveries(
        parseBoardLog(note(0, "connection 1 accepted") + record(5, "12") +
                      note(1000, "connection closed: fault: dropped") + record(7000, "12") +
                      note(8000, "connection closed: fault: dropped") + record(8400, "12") +
                      note(9000, "connection closed: fault: dropped")));
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(lateRecoveries(found, kBase + 9500, 5000).size(), 1u);
    EXPECT_EQ(lateRecoveries(found, kBase + 20000, 5000).size(), 2u);
    const auto figures = recoveryFigures(found);
    EXPECT_EQ(figures.count, 2u);
    EXPECT_EQ(figures.maxMs, 6000);
    EXPECT_DOUBLE_EQ(figures.meanMs, 3200.0);
}

TEST(CommandTrail, NumberedCommandsAreHeadphoneVolumeRecords) {
    const auto record = numberedCommand(kFirstCommandNumber + 3);
    EXPECT_EQ(record, (talix::link::Command{245, 20, 0, 3, 0, 1, 0}));
    EXPECT_EQ(commandNumber(record), kFirstCommandNumber + 3);
    EXPECT_EQ(commandNumber({245, 20, 0, 200, 0, 0, 0}), std::nullopt); // a bar's own value
    EXPECT_EQ(commandNumber({245, 21, 0, 3, 0, 1, 0}), std::nullopt);
}

struct TrailCase {
    const char* name;
    std::string log;
    std::vector<int> queuedAt; // command n queued at queuedAt[n]
    size_t delivered, lostAtDrop, duplicated, reordered, lost;
};

class Trails : public ::testing::TestWithParam<TrailCase> {};

TEST_P(Trails, AllowLossesOnlyAroundADrop) {
    const TrailCase& c = GetParam();
    std::vector<QueuedCommand> queued;
    for (size_t n = 0; n < c.queuedAt.size(); ++n)
        queued.push_back({kFirstCommandNumber + uint32_t(n), kBase + c.queuedAt[n]});
    const auto events = parseBoardLog(c.log);
    const auto report = checkTrail(queued, events, lossWindows(findRecoveries(events), 100));
    EXPECT_EQ(report.delivered, c.delivered) << report.describe();
    EXPECT_EQ(report.lostAtDrop, c.lostAtDrop) << report.describe();
    EXPECT_EQ(report.duplicated.size(), c.duplicated) << report.describe();
    EXPECT_EQ(report.reordered.size(), c.reordered) << report.describe();
    EXPECT_EQ(report.lost.size(), c.lost) << report.describe();
    EXPECT_EQ(report.clean(), c.duplicated + c.reordered + c.lost == 0);
}

const std::string kHead = note(0, "connection 1 accepted") + record(5, "12");

INSTANTIATE_TEST_SUITE_P(
    Cases, Trails,
    ::testing::Values(
        TrailCase{"AllInOrder",
                  kHead + command(20, 0) + command(40, 1) + command(60, 2),
                  {10, 30, 50},
                  3,
                  0,
                  0,
                  0,
                  0},
        TrailCase{"Duplicate",
                  kHead + command(20, 0) + command(40, 1) + command(60, 1),
                  {10, 30},
                  2,
                  0,
                  1,
                  0,
                  0},
        TrailCase{"Reordered", kHead + command(20, 1) + command(40, 0), {10, 15}, 2, 0, 0, 1, 0},
        TrailCase{"MissingWithoutADrop",
                  kHead + command(20, 0) + command(60, 2),
                  {10, 30, 50},
                  2,
                  0,
                  0,
                  0,
                  1},
        // Queued 50 ms before the close and while reconnecting: lost at the drop. Queued after
        // the new greeting: must arrive.
        TrailCase{"AroundADrop",
                  kHead + command(20, 0) + note(500, "connection closed: fault: dropped") +
                      note(600, "connection 2 accepted") + record(610, "12") + command(700, 4),
                  {10, 450, 550, 620, 650},
                  2,
                  2,
                  0,
                  0,
                  1},
        // Lost on the first connection although a later command arrived on it.
        TrailCase{"HoleBeforeADrop",
                  kHead + command(20, 0) + command(480, 2) +
                      note(500, "connection closed: fault: dropped") +
                      note(600, "connection 2 accepted") + record(610, "12") + command(700, 3),
                  {10, 450, 460, 650},
                  3,
                  0,
                  0,
                  0,
                  1},
        TrailCase{"LongBeforeADrop",
                  kHead + command(20, 0) + note(500, "connection closed: fault: dropped") +
                      note(600, "connection 2 accepted") + record(610, "12") + command(700, 2),
                  {10, 300, 650},
                  2,
                  0,
                  0,
                  0,
                  1}),
    [](const auto& info) { return info.param.name; });
