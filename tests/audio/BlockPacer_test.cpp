#include "audio/BlockPacer.h"

#include <array>
#include <gtest/gtest.h>

using namespace talix::audio;
using namespace std::chrono_literals;

namespace {

class BlockPacerTest : public ::testing::Test {
protected:
    BlockPacer pacer{12500us};
    std::array<WaveHeader, 4> headers{};
    const BlockPacer::Clock::time_point t0 = BlockPacer::Clock::time_point{} + 1h;
};

TEST_F(BlockPacerTest, ConsumesOneBlockPerDurationBackToBack) {
    for (auto& h : headers)
        pacer.add(h, t0);
    EXPECT_EQ(pacer.nextDue(), t0 + 12500us);
    EXPECT_EQ(pacer.takeDue(t0 + 12499us), nullptr);
    EXPECT_EQ(pacer.takeDue(t0 + 12500us), &headers[0]);
    EXPECT_EQ(pacer.nextDue(), t0 + 25000us);
    // A late caller catches up with the clock, not with its own calls.
    EXPECT_EQ(pacer.takeDue(t0 + 40ms), &headers[1]);
    EXPECT_EQ(pacer.takeDue(t0 + 40ms), &headers[2]);
    EXPECT_EQ(pacer.takeDue(t0 + 40ms), nullptr);
    EXPECT_EQ(pacer.takeDue(t0 + 50ms), &headers[3]);
    EXPECT_TRUE(pacer.empty());
    EXPECT_FALSE(pacer.nextDue());
}

TEST_F(BlockPacerTest, AnEmptyQueueStartsAgainWhenTheNextBlockArrives) {
    pacer.add(headers[0], t0);
    EXPECT_EQ(pacer.takeDue(t0 + 12500us), &headers[0]);
    pacer.add(headers[1], t0 + 1s);
    EXPECT_EQ(pacer.nextDue(), t0 + 1s + 12500us);
}

TEST_F(BlockPacerTest, PauseHoldsThePosition) {
    pacer.add(headers[0], t0);
    pacer.add(headers[1], t0);
    pacer.pause(t0 + 10ms);
    EXPECT_FALSE(pacer.nextDue());
    EXPECT_EQ(pacer.takeDue(t0 + 1s), nullptr);
    pacer.restart(t0 + 2s);
    EXPECT_EQ(pacer.nextDue(), t0 + 2s + 2500us);
    EXPECT_EQ(pacer.takeDue(t0 + 2s + 2500us), &headers[0]);
    EXPECT_EQ(pacer.nextDue(), t0 + 2s + 15ms);
}

TEST_F(BlockPacerTest, BlocksAddedWhilePausedWaitForTheRestart) {
    pacer.pause(t0);
    pacer.add(headers[0], t0 + 1s);
    EXPECT_FALSE(pacer.nextDue());
    pacer.restart(t0 + 3s);
    EXPECT_EQ(pacer.nextDue(), t0 + 3s + 12500us);
}

TEST_F(BlockPacerTest, TakeAnyEmptiesTheQueueInOrder) {
    pacer.add(headers[0], t0);
    pacer.add(headers[1], t0);
    EXPECT_EQ(pacer.takeAny(), &headers[0]);
    EXPECT_EQ(pacer.takeAny(), &headers[1]);
    EXPECT_EQ(pacer.takeAny(), nullptr);
}

} // namespace
