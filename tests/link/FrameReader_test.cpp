#include "base/LittleEndian.h"
#include "link/FrameReader.h"

#include <gtest/gtest.h>
#include <vector>

using namespace talix;
using namespace talix::link;

namespace {

std::vector<uint8_t> frame(uint32_t counter, uint8_t fill) {
    std::vector<uint8_t> f(kFrameLength, fill);
    writeLe32(f.data(), kFrameLength);
    writeLe32(f.data() + 4, kFrameCheckWord);
    writeLe32(f.data() + 8, counter);
    return f;
}

struct Delivered {
    std::vector<uint8_t> payload;
    uint32_t lParam;
};

class RecordingHost : public FrameReaderHost {
public:
    void frameReady(const uint8_t* payload, uint32_t lParam) override {
        frames.push_back({std::vector<uint8_t>(payload, payload + kPayloadLength), lParam});
        slots.push_back(payload);
    }
    bool updateFormVisible() override { return updateVisible; }
    void updateReply(uint32_t word) override { replies.push_back(word); }

    std::vector<Delivered> frames;
    std::vector<const uint8_t*> slots;
    std::vector<uint32_t> replies;
    bool updateVisible = false;
};

struct Feed {
    InputBuffer in;
    FrameReader reader;
    RecordingHost host;
    void bytes(const std::vector<uint8_t>& b) {
        in.append(b.data(), b.size());
        reader.run(in, host);
    }
};

std::vector<uint8_t> cat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(FrameReader, DeliversAFrameArrivingInThreePieces) {
    Feed f;
    const auto bytes = frame(0x12345, 7);
    f.bytes({bytes.begin(), bytes.begin() + 1460});
    f.bytes({bytes.begin() + 1460, bytes.begin() + 2920});
    EXPECT_TRUE(f.host.frames.empty());
    f.bytes({bytes.begin() + 2920, bytes.end()});
    ASSERT_EQ(f.host.frames.size(), 1u);
    EXPECT_EQ(f.host.frames[0].lParam, (0x2345u << 16) | 3700u);
    EXPECT_EQ(f.host.frames[0].payload, std::vector<uint8_t>(kPayloadLength, 7));
    EXPECT_TRUE(f.reader.streaming());
}

TEST(FrameReader, SplitsAtEveryPossibleOffsetOfTheHeader) {
    const auto bytes = cat(frame(1, 1), frame(2, 2));
    for (size_t cut = 1; cut < 40; ++cut) {
        Feed f;
        f.bytes({bytes.begin(), bytes.begin() + cut});
        f.bytes({bytes.begin() + cut, bytes.end()});
        // A cut off the word grid loses the alignment of the first piece; what matters is that
        // nothing crashes and later frames still arrive.
        ASSERT_GE(f.host.frames.size(), 1u) << "cut " << cut;
        EXPECT_EQ(f.host.frames.back().payload[0], 2) << "cut " << cut;
    }
}

TEST(FrameReader, TwoFramesInOneReadGoToConsecutiveSlots) {
    Feed f;
    f.bytes(cat(frame(1, 1), frame(2, 2)));
    ASSERT_EQ(f.host.frames.size(), 2u);
    EXPECT_EQ(f.host.frames[0].lParam >> 16, 1u);
    EXPECT_EQ(f.host.frames[1].lParam >> 16, 2u);
    EXPECT_NE(f.host.slots[0], f.host.slots[1]);
    EXPECT_EQ(f.reader.ringIndex(), 2);
}

TEST(FrameReader, FindsAFrameAfterGarbage) {
    for (size_t garbage : {4u, 8u, 12u, 40u, 4000u}) {
        Feed f;
        std::vector<uint8_t> junk(garbage, 0xA5);
        f.bytes(cat(junk, frame(9, 3)));
        ASSERT_EQ(f.host.frames.size(), 1u) << garbage;
        EXPECT_EQ(f.host.frames[0].payload[0], 3);
    }
}

TEST(FrameReader, DropsBytesOffTheWordGrid) {
    Feed f;
    f.bytes(cat({0xEE, 0xEE, 0xEE}, frame(5, 4)));
    ASSERT_EQ(f.host.frames.size(), 1u);
    EXPECT_EQ(f.host.frames[0].lParam >> 16, 5u);
}

TEST(FrameReader, RingWrapsAfter32Frames) {
    Feed f;
    for (uint32_t i = 0; i < 32; ++i)
        f.bytes(frame(i, uint8_t(i)));
    EXPECT_EQ(f.reader.ringIndex(), 0);
    f.bytes(frame(32, 32));
    EXPECT_EQ(f.host.slots[32], f.host.slots[0]);
}

TEST(FrameReader, UpdateReplyWithTheFormVisible) {
    struct Case {
        uint32_t reply;
        size_t repliesSeen;
        size_t framesAfter;
        bool streaming;
    };
    // Reply 15 ends update mode and drops what follows it; any other reply is passed on and the
    // bytes after it are read on.
    for (const Case& c :
         {Case{15, 1, 0, true}, Case{0x0103, 1, 1, true}, Case{0x0104, 1, 1, true}}) {
        Feed f;
        f.host.updateVisible = true;
        std::vector<uint8_t> reply(8);
        writeLe32(reply.data(), 8);
        writeLe32(reply.data() + 4, c.reply);
        f.bytes(cat(reply, frame(1, 1)));
        EXPECT_EQ(f.host.replies.size(), c.repliesSeen);
        EXPECT_EQ(f.host.frames.size(), c.framesAfter) << c.reply;
        EXPECT_EQ(f.reader.streaming(), c.streaming);
    }
}

TEST(FrameReader, UpdateReplyClearsStreamingUntilEnd) {
    Feed f;
    f.host.updateVisible = true;
    std::vector<uint8_t> reply(8);
    writeLe32(reply.data(), 8);
    writeLe32(reply.data() + 4, 3);
    f.bytes(reply);
    EXPECT_FALSE(f.reader.streaming());
    EXPECT_EQ(f.host.replies, std::vector<uint32_t>{3});
}

TEST(FrameReader, UpdateReplyIsResynchronisedAwayWhenTheFormIsHidden) {
    Feed f;
    std::vector<uint8_t> reply(8);
    writeLe32(reply.data(), 8);
    writeLe32(reply.data() + 4, 15);
    f.bytes(cat(reply, frame(1, 1)));
    EXPECT_TRUE(f.host.replies.empty());
    ASSERT_EQ(f.host.frames.size(), 1u);
}

TEST(FrameReader, WaitsForAWholeHeader) {
    Feed f;
    const auto bytes = frame(3, 3);
    f.bytes({bytes.begin(), bytes.begin() + 8});
    EXPECT_EQ(f.in.size(), 8u); // nothing consumed yet
    f.bytes({bytes.begin() + 8, bytes.end()});
    EXPECT_EQ(f.host.frames.size(), 1u);
}
