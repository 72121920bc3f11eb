#include "audio/PlaybackRing.h"
#include "audio/support/ScriptedAudioDevice.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace talix::audio;
using talix::audio::testing::ScriptedAudioDevice;

namespace {

using Block = std::array<std::uint8_t, kBlockBytes>;

// Each received block is recognisable by its number, written into every byte pair.
Block numberedBlock(int n) {
    Block b;
    for (std::size_t i = 0; i < b.size(); i += 2) {
        b[i] = static_cast<std::uint8_t>(n);
        b[i + 1] = static_cast<std::uint8_t>(n >> 8);
    }
    return b;
}

int blockNumber(const std::uint8_t* data) {
    return data[0] | data[1] << 8;
}

// The message procedure's part: device notifications go straight into the ring.
class Forwarder : public AudioDeviceListener {
public:
    explicit Forwarder(PlaybackRing& ring) : m_ring(ring) {}
    void deviceOpened() override { m_ring.deviceOpened(); }
    void blockDone() override {
        ++dones;
        bar = m_ring.blockDone();
        if (bar)
            barValues.push_back(*bar);
    }
    void deviceClosed() override { m_ring.deviceClosed(); }

    int dones = 0;
    std::optional<int> bar;
    std::vector<int> barValues;

private:
    PlaybackRing& m_ring;
};

class PlaybackRingTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto device = std::make_unique<ScriptedAudioDevice>(log);
        scripted = device.get();
        ASSERT_EQ(ring.open(std::move(device), forwarder, 0), OpenResult::Ok);
        ASSERT_TRUE(ring.isOpen());
    }
    void receive() {
        const Block b = numberedBlock(nextBlock++);
        ring.queueBlock(b);
    }
    void receive(int count) {
        for (int i = 0; i < count; ++i)
            receive();
    }
    int written() const { return static_cast<int>(log.written.size()); }

    ScriptedAudioDevice::Log log;
    PlaybackRing ring;
    Forwarder forwarder{ring};
    ScriptedAudioDevice* scripted = nullptr;
    int nextBlock = 0;
};

TEST_F(PlaybackRingTest, OpenLeavesEverySlotFreeAndTheCountersAtZero) {
    EXPECT_FALSE(ring.started());
    EXPECT_EQ(ring.queuedBlocks(), 0);
    EXPECT_EQ(ring.fillIndex(), 0);
    EXPECT_EQ(ring.playIndex(), 0);
    for (int s = 0; s < PlaybackRing::kSlots; ++s)
        EXPECT_EQ(ring.slotFlags(s), kHeaderDone) << s;
}

TEST_F(PlaybackRingTest, SixtyThreeBlocksAreStoredAndTheSixtyFourthReleasesAll) {
    receive(63);
    EXPECT_EQ(written(), 0);
    EXPECT_FALSE(ring.started());
    EXPECT_EQ(ring.fillIndex(), 63);
    EXPECT_EQ(ring.playIndex(), 0);
    for (int s = 0; s < 63; ++s)
        EXPECT_EQ(ring.slotFlags(s), kHeaderPrepared) << s;
    EXPECT_EQ(ring.slotFlags(63), kHeaderDone);

    receive();
    ASSERT_EQ(written(), 64);
    EXPECT_TRUE(ring.started());
    EXPECT_EQ(ring.queuedBlocks(), 64);
    EXPECT_EQ(ring.fillIndex(), 0);
    EXPECT_EQ(ring.playIndex(), 0);
    for (int s = 0; s < 64; ++s) {
        EXPECT_EQ(blockNumber(log.written[s]->data), s) << "handed over in order";
        EXPECT_EQ(log.written[s]->bufferLength, kBlockBytes);
        EXPECT_EQ(ring.slotFlags(s), kHeaderPrepared | kHeaderInQueue) << s;
    }
}

TEST_F(PlaybackRingTest, SteadyStateHandsOverOneBlockPerReceivedBlock) {
    receive(64);
    for (int frame = 0; frame < 500; ++frame) {
        ASSERT_TRUE(scripted->playOne());
        const int before = written();
        receive();
        ASSERT_EQ(written(), before + 1) << frame;
        EXPECT_EQ(ring.fillIndex(), ring.playIndex()) << frame;
        EXPECT_GE(ring.queuedBlocks(), 63);
        EXPECT_LE(ring.queuedBlocks(), 64);
        EXPECT_TRUE(ring.started());
    }
    // Everything received reached the device, in order.
    while (scripted->playOne()) {
    }
    ASSERT_EQ(static_cast<int>(log.played.size()), nextBlock);
    for (int i = 0; i < nextBlock; ++i)
        ASSERT_EQ(blockNumber(log.played[i].data()), i) << i;
}

TEST_F(PlaybackRingTest, UnderrunAtThreeQueuedRestartsThePrebuffer) {
    receive(64);
    for (int i = 0; i < 61; ++i)
        ASSERT_TRUE(scripted->playOne());
    EXPECT_EQ(ring.queuedBlocks(), 3);
    EXPECT_TRUE(ring.started());

    ASSERT_TRUE(scripted->playOne());
    EXPECT_EQ(ring.queuedBlocks(), 2);
    EXPECT_FALSE(ring.started());
    EXPECT_EQ(ring.statistics().underruns, 1u);

    // The device plays out what it still holds; then 64 new blocks refill the whole ring before
    // any goes to the device.
    ASSERT_TRUE(scripted->playOne());
    ASSERT_TRUE(scripted->playOne());
    EXPECT_EQ(ring.queuedBlocks(), 0);
    receive(63);
    EXPECT_EQ(written(), 64);
    EXPECT_FALSE(ring.started());
    receive();
    EXPECT_EQ(written(), 128);
    EXPECT_TRUE(ring.started());
    EXPECT_EQ(ring.queuedBlocks(), 64);
    EXPECT_EQ(blockNumber(log.written[64]->data), 64);
    EXPECT_EQ(blockNumber(log.written[127]->data), 127);
    // Playing out the last blocks while prebuffering is no further underrun.
    EXPECT_EQ(ring.statistics().underruns, 1u);
    EXPECT_EQ(ring.statistics().played, 64u);
    EXPECT_EQ(ring.statistics().dropped, 0u);
}

TEST_F(PlaybackRingTest, BlockIsDroppedWhileItsSlotIsQueued) {
    receive(64);
    const std::uint8_t before = ring.slotData(0)[0];
    receive(); // slot 0 is still with the device
    EXPECT_EQ(written(), 64);
    EXPECT_EQ(ring.fillIndex(), 0);
    EXPECT_EQ(ring.queuedBlocks(), 64);
    EXPECT_EQ(ring.slotData(0)[0], before);
    EXPECT_EQ(ring.slotFlags(0), kHeaderPrepared | kHeaderInQueue);
    EXPECT_EQ(ring.statistics().dropped, 1u);

    // Once the device has played slot 0, the next block takes it and goes straight over.
    ASSERT_TRUE(scripted->playOne());
    receive();
    EXPECT_EQ(written(), 65);
    EXPECT_EQ(blockNumber(log.written[64]->data), 65);
}

TEST_F(PlaybackRingTest, DroppedBlockWhilePrebufferingHandsNothingOver) {
    receive(64);
    for (int i = 0; i < 62; ++i)
        ASSERT_TRUE(scripted->playOne());
    ASSERT_FALSE(ring.started());
    // Slots 62 and 63 are still queued: filling stops in front of them.
    receive(62);
    EXPECT_EQ(ring.fillIndex(), 62);
    receive(5);
    EXPECT_EQ(ring.fillIndex(), 62);
    EXPECT_EQ(written(), 64);
    ASSERT_TRUE(scripted->playOne());
    ASSERT_TRUE(scripted->playOne());
    receive(2);
    EXPECT_EQ(written(), 128);
}

// The queue level bar: set on every done while PlayIndex is 0 or fewer than 10 blocks are queued,
// to QueuedBlocks * 100 / 64 truncated toward zero.
TEST_F(PlaybackRingTest, QueueLevelBarFollowsItsRules) {
    receive(64); // PlayIndex 0
    std::vector<int> expected;
    for (int queued = 63; queued >= 0; --queued)
        expected.push_back(queued * 100 / 64);
    while (scripted->playOne()) {
    }
    EXPECT_EQ(forwarder.barValues, expected);
    EXPECT_EQ(forwarder.barValues[31], 50) << "32 queued, PlayIndex 0";
}

TEST_F(PlaybackRingTest, QueueLevelBarMovesOnlyWhenLowOnceTheRingTurns) {
    receive(64);
    // Steady state for 5 frames leaves PlayIndex at 5.
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(scripted->playOne());
        receive();
    }
    ASSERT_EQ(ring.playIndex(), 5);
    forwarder.barValues.clear();

    struct Step {
        int queuedAfter;
        std::optional<int> bar;
    };
    const std::vector<Step> steps = {{63, std::nullopt},
                                     {11, std::nullopt},
                                     {10, std::nullopt},
                                     {9, 14},
                                     {3, 4},
                                     {2, 3},
                                     {0, 0}};
    for (const Step& step : steps) {
        while (ring.queuedBlocks() > step.queuedAfter + 1)
            ASSERT_TRUE(scripted->playOne());
        ASSERT_TRUE(scripted->playOne());
        ASSERT_EQ(ring.queuedBlocks(), step.queuedAfter);
        EXPECT_EQ(forwarder.bar, step.bar) << step.queuedAfter;
    }
}

TEST_F(PlaybackRingTest, QueueLevelBarDividesTowardZero) {
    // A stray notification with nothing queued gives -100 / 64 = -1, not -2.
    EXPECT_EQ(ring.blockDone(), std::optional<int>(-1));
}

TEST_F(PlaybackRingTest, CloseReturnsEveryBlockAndReleasesTheRing) {
    receive(64);
    ring.close();
    EXPECT_EQ(log.calls.back(), "close");
    EXPECT_EQ(log.calls[log.calls.size() - 2], "reset");
    EXPECT_EQ(forwarder.dones, 64);
    EXPECT_FALSE(ring.isOpen());
    EXPECT_EQ(ring.queuedBlocks(), 0);
    EXPECT_FALSE(ring.hasDevice());
    receive(64);
    EXPECT_EQ(written(), 64);
}

TEST_F(PlaybackRingTest, NothingIsHandedOverAfterTheDeviceIsGoneEvenBeforeItsCloseArrives) {
    // As when notifications are posted: the close notification has not been handled yet.
    PlaybackRing ring2;
    ScriptedAudioDevice::Log log2;
    class Ignoring : public AudioDeviceListener {
    public:
        explicit Ignoring(PlaybackRing& r) : ring(r) {}
        void deviceOpened() override { ring.deviceOpened(); }
        void blockDone() override {}
        void deviceClosed() override {}
        PlaybackRing& ring;
    } listener(ring2);
    ASSERT_EQ(ring2.open(std::make_unique<ScriptedAudioDevice>(log2), listener, 0), OpenResult::Ok);
    ring2.close();
    ASSERT_TRUE(ring2.isOpen());
    for (int i = 0; i < 64; ++i)
        ring2.queueBlock(numberedBlock(i));
    EXPECT_TRUE(log2.written.empty());
}

TEST_F(PlaybackRingTest, OpenSetsTheVolumeFromTheSpeakerVolume) {
    ASSERT_EQ(log.volumes.size(), 1u);
    EXPECT_EQ(log.volumes[0], 1) << "volume 0 starts almost silent";
    ring.setVolume(255);
    EXPECT_EQ(log.volumes.back(), 65534);
}

TEST_F(PlaybackRingTest, PauseAndRestartReachTheDeviceAndKeepTheRing) {
    receive(10);
    ring.pause();
    ring.restart();
    EXPECT_EQ(log.calls[log.calls.size() - 2], "pause");
    EXPECT_EQ(log.calls.back(), "restart");
    EXPECT_EQ(ring.fillIndex(), 10);
}

class PlaybackRingOpenFailure : public ::testing::TestWithParam<OpenResult> {};

TEST_P(PlaybackRingOpenFailure, IsReportedAndLeavesNoDevice) {
    ScriptedAudioDevice::Log log;
    PlaybackRing ring;
    Forwarder forwarder(ring);
    EXPECT_EQ(ring.open(std::make_unique<ScriptedAudioDevice>(log, GetParam()), forwarder, 0),
              GetParam());
    EXPECT_FALSE(ring.isOpen());
    EXPECT_FALSE(ring.hasDevice());
    EXPECT_TRUE(log.volumes.empty());
}

INSTANTIATE_TEST_SUITE_P(Results, PlaybackRingOpenFailure,
                         ::testing::Values(OpenResult::Failed, OpenResult::BadDeviceId,
                                           OpenResult::Allocated, OpenResult::NoDriver,
                                           OpenResult::NoMemory, OpenResult::BadFormat,
                                           OpenResult::Synchronous));

TEST(PlaybackRingWithoutDevice, UnknownDeviceIsAWrongIdentifier) {
    PlaybackRing ring;
    Forwarder forwarder(ring);
    EXPECT_EQ(ring.open(nullptr, forwarder, 0), OpenResult::BadDeviceId);
}

} // namespace
