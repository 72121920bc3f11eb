// The board's side of the parameter stream: fragments, sequence numbers, resending.
#include "sim/ParamSender.h"

#include <gtest/gtest.h>

using namespace talix::sim;
using namespace std::chrono_literals;

namespace {

struct Sent {
    uint32_t n, seq;
    bool continuation;
    std::vector<uint32_t> words;
};

Sent frameOf(ParamSender& s, ParamSender::Clock::time_point now,
             const ParamSender::Source& source = {}) {
    FrameContent c;
    s.fillFrame(c, now, source);
    Sent r{c.streamHeader & 0xFF, c.streamHeader >> 8 & 0x7FFFFF, bool(c.streamHeader >> 31), {}};
    r.words.assign(c.words.begin(), c.words.begin() + r.n);
    return r;
}

} // namespace

TEST(ParamSender, SmallBlockGoesInOneFrameWithItsLength) {
    ParamSender s(400ms);
    const auto t = ParamSender::Clock::now();
    ASSERT_TRUE(s.queueBlock({0x000000F5, 7}));
    const Sent f = frameOf(s, t);
    EXPECT_EQ(f.n, 3u);
    EXPECT_NE(f.seq, 0u);
    EXPECT_FALSE(f.continuation);
    EXPECT_EQ(f.words, (std::vector<uint32_t>{12, 0xF5, 7}));
    EXPECT_EQ(frameOf(s, t + 12ms).n, 0u) << "nothing more until the block is acknowledged";
}

TEST(ParamSender, LongestBlockTakesTwoFrames) {
    ParamSender s(400ms);
    const auto t = ParamSender::Clock::now();
    ASSERT_TRUE(s.queueBlock(std::vector<uint32_t>(123, 0)));
    EXPECT_FALSE(s.queueBlock(std::vector<uint32_t>(124, 0)));
    EXPECT_FALSE(s.queueBlock({}));
    const Sent first = frameOf(s, t);
    const Sent second = frameOf(s, t + 12ms);
    EXPECT_EQ(first.n, 123u);
    EXPECT_EQ(first.words[0], 496u);
    EXPECT_FALSE(first.continuation);
    EXPECT_EQ(second.n, 1u);
    EXPECT_TRUE(second.continuation);
    EXPECT_EQ(second.seq, first.seq);
}

TEST(ParamSender, SplitterSpreadsABlockOverTwoFrames) {
    ParamSender s(400ms);
    s.setSplitter([](uint32_t total) { return total / 2; });
    const auto t = ParamSender::Clock::now();
    ASSERT_TRUE(s.queueBlock({1, 2, 3, 4, 5}));
    const Sent first = frameOf(s, t);
    const Sent second = frameOf(s, t + 12ms);
    EXPECT_EQ(first.words, (std::vector<uint32_t>{24, 1, 2}));
    EXPECT_EQ(second.words, (std::vector<uint32_t>{3, 4, 5}));
    EXPECT_TRUE(second.continuation);
}

TEST(ParamSender, UnacknowledgedBlockIsResentWithANewNumberUntilAcknowledged) {
    ParamSender s(400ms);
    const auto t = ParamSender::Clock::now();
    ASSERT_TRUE(s.queueBlock({0xF5}));
    const Sent first = frameOf(s, t);
    EXPECT_EQ(frameOf(s, t + 399ms).n, 0u);
    const Sent again = frameOf(s, t + 400ms);
    EXPECT_EQ(again.words, first.words);
    EXPECT_NE(again.seq, first.seq);
    EXPECT_EQ(s.resends(), 1u);
    EXPECT_FALSE(s.acknowledge(first.seq)) << "an old number does not count";
    EXPECT_TRUE(s.acknowledge(again.seq));
    EXPECT_EQ(frameOf(s, t + 2000ms).n, 0u);
    EXPECT_EQ(s.resends(), 1u);
}

TEST(ParamSender, LaterBlocksWaitForTheAcknowledgement) {
    ParamSender s(400ms);
    const auto t = ParamSender::Clock::now();
    ASSERT_TRUE(s.queueBlock({1}));
    ASSERT_TRUE(s.queueBlock({2}));
    const Sent a = frameOf(s, t);
    EXPECT_EQ(frameOf(s, t + 12ms).n, 0u);
    s.acknowledge(a.seq);
    const Sent b = frameOf(s, t + 24ms);
    EXPECT_EQ(b.words, (std::vector<uint32_t>{8, 2}));
    EXPECT_NE(b.seq, a.seq);
}

TEST(ParamSender, SourceFillsIdleFrames) {
    ParamSender s(400ms);
    int asked = 0;
    const auto source = [&]() -> std::optional<ParamBlock> {
        ++asked;
        return ParamBlock{0x12, 0x34};
    };
    const Sent f = frameOf(s, ParamSender::Clock::now(), source);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(f.words, (std::vector<uint32_t>{12, 0x12, 0x34}));
}

TEST(ParamSender, SequenceNumbersSkipZeroWhenTheyWrap) {
    ParamSender s(400ms);
    uint32_t last = 0;
    for (uint32_t i = 0; i < 0x7FFFFF; ++i)
        last = s.takeSeq();
    EXPECT_EQ(last, 0x7FFFFFu);
    EXPECT_EQ(s.takeSeq(), 1u);
}
