#include "base/LittleEndian.h"
#include "link/FrameReader.h"
#include "support/LoopbackServer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <vector>

using namespace talix;
using namespace talix::link;
using talix::testing::boardFrame;

namespace {

struct Delivered {
    std::vector<uint8_t> payload;
    uint32_t lParam;
};

class RecordingHost : public FrameReaderHost {
public:
    explicit RecordingHost(const FrameRing& ring) : ring(ring) {}
    // Takes each payload at once, as nothing writes the ring meanwhile.
    void frameReady(FrameTicket ticket) override {
        tickets.push_back(ticket);
        if (!takeAtOnce)
            return;
        std::vector<uint8_t> payload(kPayloadLength);
        EXPECT_TRUE(ring.take(ticket, std::span<uint8_t, kPayloadLength>(payload)));
        frames.push_back({std::move(payload), ticket.lParam});
    }
    bool updateRepliesWanted() override { return updateVisible; }
    void updateReply(uint32_t word) override { replies.push_back(word); }

    const FrameRing& ring;
    bool takeAtOnce = true;
    std::vector<Delivered> frames;
    std::vector<FrameTicket> tickets;
    std::vector<uint32_t> replies;
    bool updateVisible = false;
};

struct Feed {
    FrameRing ring;
    InputBuffer in;
    FrameReader reader{ring};
    RecordingHost host{ring};
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
    const auto bytes = boardFrame(0x12345, 7);
    f.bytes({bytes.begin(), bytes.begin() + 1460});
    f.bytes({bytes.begin() + 1460, bytes.begin() + 2920});
    EXPECT_TRUE(f.host.frames.empty());
    f.bytes({bytes.begin() + 2920, bytes.end()});
    ASSERT_EQ(f.host.frames.size(), 1u);
    EXPECT_EQ(f.host.frames[0].lParam, (0x2345u << 16) | 3700u);
    EXPECT_EQ(f.host.frames[0].payload, std::vector<uint8_t>(kPayloadLength, 7));
    EXPECT_TRUE(f.reader.streaming());
}

namespace {

// A frame whose payload bytes all differ by position, so that a shift by any byte shows.
std::vector<uint8_t> patternFrame(uint32_t counter) {
    std::vector<uint8_t> payload(kPayloadLength);
    for (size_t i = 0; i < payload.size(); ++i)
        payload[i] = uint8_t(i * 7 + i / 251 + counter);
    std::vector<uint8_t> f = boardFrame(counter, 0);
    std::copy(payload.begin(), payload.end(), f.begin() + kFrameHeaderLength);
    return f;
}

struct SplitCase {
    std::string name;
    size_t garbage;           // bytes of garbage in front of the frame
    std::vector<size_t> cuts; // offsets into the frame where a piece ends
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.name;
}

class FrameSplits : public ::testing::TestWithParam<SplitCase> {};

} // namespace

// TCP may end a piece anywhere, also inside a word: the frame still arrives intact, once.
TEST_P(FrameSplits, DeliverTheFrameIntactOnce) {
    const SplitCase& c = GetParam();
    const auto whole = patternFrame(0x10203);
    const auto stream = cat(std::vector<uint8_t>(c.garbage, 0xA5), cat(whole, boardFrame(9, 9)));
    Feed f;
    size_t from = 0;
    for (const size_t cut : c.cuts) {
        f.bytes({stream.begin() + from, stream.begin() + c.garbage + cut});
        from = c.garbage + cut;
        EXPECT_TRUE(f.host.frames.empty()) << "cut " << cut;
    }
    f.bytes({stream.begin() + from, stream.end()});
    ASSERT_EQ(f.host.frames.size(), 2u);
    EXPECT_EQ(f.host.frames[0].lParam, (0x0203u << 16) | 3700u);
    EXPECT_TRUE(std::equal(f.host.frames[0].payload.begin(), f.host.frames[0].payload.end(),
                           whole.begin() + kFrameHeaderLength));
    EXPECT_EQ(f.host.frames[1].lParam >> 16, 9u);
    EXPECT_EQ(f.host.frames[1].payload, std::vector<uint8_t>(kPayloadLength, 9));
    EXPECT_EQ(f.in.size(), 0u);
}

namespace {

std::vector<SplitCase> splitCases() {
    std::vector<SplitCase> cases;
    for (size_t cut = 1; cut <= 11; ++cut)
        cases.push_back({"header" + std::to_string(cut), 0, {cut}});
    for (size_t off = 1; off <= 3; ++off) {
        cases.push_back({"payload" + std::to_string(off), 0, {kFrameHeaderLength + 1000 + off}});
        cases.push_back({"lastWord" + std::to_string(off), 0, {kFrameLength - 4 + off}});
    }
    cases.push_back({"bytewise", 0, {1, 2, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15}});
    cases.push_back({"manyOddPieces", 0, {3, 1461, 2921, 3709}});
    cases.push_back({"afterOddGarbageInsideThePair", 3, {5}});
    cases.push_back({"afterOddGarbageInsideTheCounter", 1, {10}});
    return cases;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Table, FrameSplits, ::testing::ValuesIn(splitCases()),
                         [](const auto& info) { return info.param.name; });

TEST(FrameReader, KeepsAPartialWordForTheNextCall) {
    Feed f;
    const auto bytes = boardFrame(3, 3);
    f.bytes({bytes.begin(), bytes.begin() + kFrameHeaderLength + 6});
    EXPECT_EQ(f.reader.remaining(), kPayloadLength - 4);
    EXPECT_EQ(f.in.size(), 2u);
}

TEST(FrameReader, TwoFramesInOneReadGoToConsecutiveSlots) {
    Feed f;
    f.bytes(cat(boardFrame(1, 1), boardFrame(2, 2)));
    ASSERT_EQ(f.host.frames.size(), 2u);
    EXPECT_EQ(f.host.frames[0].lParam >> 16, 1u);
    EXPECT_EQ(f.host.frames[1].lParam >> 16, 2u);
    EXPECT_NE(f.host.tickets[0].slot, f.host.tickets[1].slot);
    EXPECT_EQ(f.reader.ringIndex(), 2);
}

TEST(FrameReader, FindsAFrameAfterGarbage) {
    struct Case {
        std::vector<uint8_t> junk;
        const char* name;
    };
    // Any length, and a false start of the header's length word in the garbage.
    std::vector<Case> cases;
    for (const size_t n : {1u, 2u, 3u, 4u, 5u, 8u, 12u, 40u, 4001u})
        cases.push_back({std::vector<uint8_t>(n, 0xA5), "fill"});
    cases.push_back({{0x80, 0x0E, 0x00, 0x00, 0x7F, 0xF1}, "falseStart"});
    cases.push_back({{0x80, 0x0E, 0x00, 0x00, 0x80, 0x0E, 0x00}, "repeatedLength"});
    for (const Case& c : cases) {
        Feed f;
        f.bytes(cat(c.junk, boardFrame(9, 3)));
        ASSERT_EQ(f.host.frames.size(), 1u) << c.name << " " << c.junk.size();
        EXPECT_EQ(f.host.frames[0].lParam >> 16, 9u);
        EXPECT_EQ(f.host.frames[0].payload, std::vector<uint8_t>(kPayloadLength, 3));
    }
}

TEST(FrameReader, GarbageWithoutAHeaderIsConsumedButForAPossibleStart) {
    Feed f;
    f.bytes(std::vector<uint8_t>(1001, 0xA5));
    EXPECT_LE(f.in.size(), 7u);
    // The start of a header at the end of one piece is found with the rest of it.
    const auto bytes = boardFrame(4, 4);
    f.bytes(cat(std::vector<uint8_t>(50, 0xA5), {bytes.begin(), bytes.begin() + 7}));
    f.bytes({bytes.begin() + 7, bytes.end()});
    ASSERT_EQ(f.host.frames.size(), 1u);
    EXPECT_EQ(f.host.frames[0].lParam >> 16, 4u);
}

TEST(FrameReader, RingWrapsAfter32Frames) {
    Feed f;
    for (uint32_t i = 0; i < 32; ++i)
        f.bytes(boardFrame(i, uint8_t(i)));
    EXPECT_EQ(f.reader.ringIndex(), 0);
    f.bytes(boardFrame(32, 32));
    EXPECT_EQ(f.host.tickets[32].slot, f.host.tickets[0].slot);
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
        f.bytes(cat(reply, boardFrame(1, 1)));
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
    f.bytes(cat(reply, boardFrame(1, 1)));
    EXPECT_TRUE(f.host.replies.empty());
    ASSERT_EQ(f.host.frames.size(), 1u);
}

TEST(FrameReader, WaitsForAWholeHeader) {
    Feed f;
    const auto bytes = boardFrame(3, 3);
    f.bytes({bytes.begin(), bytes.begin() + 8});
    EXPECT_EQ(f.in.size(), 8u); // nothing consumed yet
    f.bytes({bytes.begin() + 8, bytes.end()});
    EXPECT_EQ(f.host.frames.size(), 1u);
}
