// The fault mode: its options, the malformed fragments, and the stream it produces on loopback.
#include "link/CommandRecords.h"
#include "sim/FaultInjector.h"
#include "sim/ParamSender.h"
#include "sim/ParamWords.h"
#include "sim/SimBoard.h"
#include "sim/support/Reports.h"
#include "sim/support/SimClient.h"

#include <gtest/gtest.h>

using namespace talix;
using namespace talix::sim;
using namespace talix::simtest;
using namespace std::chrono_literals;

namespace {

struct FaultOptionCase {
    const char* name;
    const char* options; // as --faults takes them
    bool valid;
};

class FaultOptions : public ::testing::TestWithParam<FaultOptionCase> {};

SimOptions loopbackOptions(const std::string& faults) {
    SimOptions o;
    o.listen = {"127.0.0.1", 0};
    o.rotator = {"127.0.0.1", 0};
    o.faults = faults;
    return o;
}

} // namespace

TEST_P(FaultOptions, AreReadOrRefused) {
    std::string error;
    const auto plan = parseFaults(GetParam().options, error);
    EXPECT_EQ(plan.has_value(), GetParam().valid) << error;
    if (!GetParam().valid) {
        EXPECT_FALSE(error.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FaultOptions,
    ::testing::Values(FaultOptionCase{"empty", "", true}, FaultOptionCase{"mix", "mix", true},
                      FaultOptionCase{"all",
                                      "pause=2:700,drop=1,garbage=0.1:8,split=0.5,badblock=0.1,"
                                      "blocksplit=1",
                                      true},
                      FaultOptionCase{"unknown", "storm=1", false},
                      FaultOptionCase{"noValue", "pause", false},
                      FaultOptionCase{"fractionAboveOne", "split=2", false},
                      FaultOptionCase{"negative", "drop=-1", false},
                      FaultOptionCase{"pauseTooLong", "pause=1:999999", false},
                      FaultOptionCase{"garbageZero", "garbage=0.5:0", false},
                      FaultOptionCase{"splitAny", "split=0.5:any", true},
                      FaultOptionCase{"splitOther", "split=0.5:some", false},
                      FaultOptionCase{"text", "badblock=some", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FaultOptions, MixSetsEveryFault) {
    std::string error;
    const auto plan = parseFaults("mix,garbage=0.5:12", error);
    ASSERT_TRUE(plan);
    EXPECT_GT(plan->pausesPerMinute, 0);
    EXPECT_GT(plan->dropsPerMinute, 0);
    EXPECT_DOUBLE_EQ(plan->garbageFraction, 0.5);
    EXPECT_EQ(plan->garbageBytes, 12);
    EXPECT_GT(plan->splitFraction, 0);
    EXPECT_GT(plan->badBlockFraction, 0);
    EXPECT_GT(plan->blockSplitFraction, 0);
}

// Every malformed fragment is dropped by the program's reassembly or walked without effect.
TEST(FaultInjector, MalformedFragmentsNeverApplyAValue) {
    FaultPlan plan;
    plan.badBlockFraction = 1;
    FaultInjector faults(plan, 3);
    ParamSender seqs(400ms);
    BlockAssembler program;
    std::set<BadBlock> kinds;
    for (int frame = 0; frame < 400; ++frame) {
        FrameContent content;
        ASSERT_TRUE(faults.badBlockFrame(content, [&] { return seqs.takeSeq(); }));
        kinds.insert(faults.lastBadBlock());
        FrameBytes bytes;
        writeFrame(bytes, uint32_t(frame), content);
        if (const auto block = program.add(bytes.data() + 12)) {
            for (const Group& g : groupsOf(block->words))
                EXPECT_EQ(g.id(), 0) << "kind " << FaultInjector::name(faults.lastBadBlock());
        }
    }
    EXPECT_EQ(kinds.size(), 8u);
    // A good block after all that is taken as usual.
    FrameContent good;
    seqs.queueBlock({valueWord(3, 0), 20});
    seqs.fillFrame(good, ParamSender::Clock::now(), {});
    FrameBytes bytes;
    writeFrame(bytes, 400, good);
    const auto block = program.add(bytes.data() + 12);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->words, (std::vector<uint32_t>{valueWord(3, 0), 20}));
}

TEST(FaultInjector, SplitPointsAndGarbageFollowThePlan) {
    FaultPlan plan;
    plan.splitFraction = 1;
    plan.garbageFraction = 1;
    plan.garbageBytes = 8;
    FaultInjector faults(plan, 1);
    for (int i = 0; i < 50; ++i) {
        const auto points = faults.splitPoints(3712);
        ASSERT_FALSE(points.empty());
        for (const size_t p : points)
            EXPECT_EQ(p % 4, 0u) << "whole words unless asked otherwise";
        EXPECT_TRUE(std::is_sorted(points.begin(), points.end()));
        EXPECT_GT(points.front(), 0u);
        EXPECT_LT(points.back(), 3712u);
        EXPECT_EQ(faults.garbage().size(), 8u);
    }
    EXPECT_TRUE(FaultInjector(FaultPlan{}, 1).splitPoints(3712).empty());
}

struct StreamCase {
    const char* name;
    const char* faults;
};

class StreamFaults : public ::testing::TestWithParam<StreamCase> {};

// Pieces that end anywhere and garbage of any length between frames: the reader loses no frame.
TEST_P(StreamFaults, EveryFrameArrivesInOrder) {
    SimBoard board(loopbackOptions(GetParam().faults));
    ASSERT_TRUE(board.start()) << board.error();
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.waitFrames(60));
    for (size_t i = 1; i < client.frames.size(); ++i)
        EXPECT_EQ(client.frames[i].counter, (client.frames[i - 1].counter + 1) & 0xFFFF);
    // Blocks, some spread over two frames, are put together and acknowledged.
    ASSERT_TRUE(client.pumpUntil(
        [&] { return client.hasWord([](uint32_t w) { return w == fieldSelectWord(0, 0); }); }));
    // The board counts acknowledgements on its own thread.
    EXPECT_TRUE(client.pumpUntil([&] { return board.blocksAcknowledged() > 0; }));
}

INSTANTIATE_TEST_SUITE_P(Table, StreamFaults,
                         ::testing::Values(StreamCase{"split", "split=1,blocksplit=1"},
                                           StreamCase{"garbage", "garbage=1:8"},
                                           StreamCase{"splitInsideWords", "split=1:any"},
                                           StreamCase{"garbageOfAnyLength", "garbage=1"},
                                           StreamCase{"both", "split=0.5:any,garbage=0.5"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FaultStream, MalformedBlocksDoNotStopTheRoundTrips) {
    SimBoard board(loopbackOptions("badblock=0.5"));
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.pumpUntil(
        [&] { return client.hasWord([](uint32_t w) { return w == fieldSelectWord(0, 0); }); }));
    const uint32_t start = client.lastValue(0)[0];
    ASSERT_TRUE(client.send(link::commands::knobStep(2)));
    ASSERT_TRUE(client.pumpUntil([&] { return client.lastValue(0)[0] != start; }));
}

TEST(FaultStream, DropsAndPausesHappenAtTheirRates) {
    SimBoard board(loopbackOptions("drop=1200"));
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.waitClosed());

    SimBoard paused(loopbackOptions("pause=1200:300"));
    ASSERT_TRUE(paused.start());
    SimClient other(paused.port());
    ASSERT_TRUE(other.connect());
    ASSERT_TRUE(other.greet());
    ASSERT_TRUE(other.waitFrames(30));
    std::chrono::steady_clock::duration widest{};
    for (size_t i = 1; i < other.frames.size(); ++i)
        widest = std::max(widest, other.frames[i].arrival - other.frames[i - 1].arrival);
    EXPECT_GE(widest, 250ms);
}
