// Round trips with the simulated board on loopback, through the real link client and frame
// reader: what the program sends, what the board reports back.
#include "base/LittleEndian.h"
#include "link/CommandRecords.h"
#include "sim/FrameWriter.h"
#include "sim/ParamWords.h"
#include "sim/SimBoard.h"
#include "sim/SpectrumSynth.h"
#include "sim/support/Reports.h"
#include "sim/support/SimClient.h"

#include <algorithm>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <set>
#include <sys/socket.h>
#include <unistd.h>

using namespace talix;
using namespace talix::sim;
using namespace talix::simtest;
using namespace std::chrono_literals;

namespace {

SimOptions loopbackOptions() {
    SimOptions o;
    o.listen = {"127.0.0.1", 0};
    o.rotator = {"127.0.0.1", 0};
    return o;
}

// A board and a greeted client that has taken in the state reported at the greeting.
struct Session {
    explicit Session(SimOptions o = loopbackOptions())
        : board(std::move(o)), started(board.start()), client(board.port()) {
        EXPECT_TRUE(started) << board.error();
        EXPECT_TRUE(client.connect());
        EXPECT_TRUE(client.greet());
        EXPECT_TRUE(client.pumpUntil([&] {
            return client.hasWord([](uint32_t w) { return w == fieldSelectWord(0, 0); });
        })) << "the state ends with the field selection";
    }
    // Sends a command and waits until a block reports what `done` looks for.
    bool command(const std::vector<uint8_t>& bytes, const std::function<bool()>& done) {
        return client.send(bytes) && client.pumpUntil(done);
    }
    std::vector<Group> groupsSince(size_t firstBlock) const {
        std::vector<Group> all;
        for (size_t i = firstBlock; i < client.blocks.size(); ++i) {
            const auto g = groupsOf(client.blocks[i].words);
            all.insert(all.end(), g.begin(), g.end());
        }
        return all;
    }
    SimBoard board;
    bool started;
    SimClient client;
};

uint16_t bin(const std::vector<uint8_t>& payload, uint32_t i) {
    return unpackBin(payload.data() + kSpectrumOffset, i);
}

} // namespace

TEST(ReceiverRoundTrip, GreetingBringsIdentityStateAndAcknowledgedBlocks) {
    // No resend however slowly a loaded machine acknowledges, so that every block is sent once.
    SimOptions o = loopbackOptions();
    o.resendAfter = std::chrono::minutes(1);
    Session s(o);
    ASSERT_FALSE(s.client.blocks.empty());
    EXPECT_EQ(s.client.blocks.front().words.front() & 0xFF, paramId(board::ParamId::DeviceHello));
    EXPECT_FALSE(s.client.lastValue(0).empty());
    EXPECT_FALSE(s.client.lastValue(13, board::number(board::Form::Setup)).empty());
    // Every block carries a new sequence number and is acknowledged once.
    std::set<uint32_t> seqs;
    for (const auto& b : s.client.blocks)
        EXPECT_TRUE(seqs.insert(b.seq).second);
    const size_t blocks = s.client.blocks.size();
    ASSERT_TRUE(s.client.pumpUntil([&] { return s.board.blocksAcknowledged() >= blocks; }));
    EXPECT_EQ(s.board.blocksResent(), 0u);
}

TEST(ReceiverRoundTrip, KnobStepOnTheSelectedFrequencyReportsTheNewFrequency) {
    Session s;
    const uint32_t start = s.client.lastValue(0)[0];
    const uint32_t step = s.client.lastValue(32)[0];
    const size_t before = s.client.blocks.size();
    ASSERT_TRUE(s.command(link::commands::fieldSelect(0, 0, 13),
                          [&] { return hasWord(s.groupsSince(before), fieldSelectWord(0, 0)); }));
    ASSERT_TRUE(s.command(link::commands::knobStep(2),
                          [&] { return s.client.lastValue(0)[0] == start + step; }));
    ASSERT_TRUE(
        s.command(link::commands::knobStep(-2), [&] { return s.client.lastValue(0)[0] == start; }));
}

TEST(ReceiverRoundTrip, SetupButtonShowsTheFormAndItsCloseButtonClosesIt) {
    Session s;
    ASSERT_TRUE(s.command(link::commands::button(2829), [&] {
        return s.client.hasWord(
            [](uint32_t w) { return w == showFormWord(board::number(board::Form::Setup)); });
    }));
    ASSERT_TRUE(s.command(link::commands::fieldSelect(13, 1, 0), [&] {
        return s.client.hasWord([](uint32_t w) { return w == fieldSelectWord(13, 1); });
    }));
    ASSERT_TRUE(s.command(link::commands::knobStep(2), [&] {
        return s.client.lastValue(13, board::number(board::Form::Setup)) ==
               std::vector<uint32_t>{4};
    }));
    ASSERT_TRUE(s.command(link::commands::button(0x010A), [&] {
        return s.client.hasWord(
            [](uint32_t w) { return w == closeFormWord(board::number(board::Form::Setup)); });
    }));
}

TEST(ReceiverRoundTrip, TapToTuneMovesTheStationInTheSpectrum) {
    Session s;
    // The home station's carrier sits at the tuned frequency: bin 511 of the line.
    const auto carrierBin = [&](size_t fromFrame) {
        std::vector<uint32_t> sums(kSpectrumBins, 0);
        for (size_t f = fromFrame; f < s.client.frames.size(); ++f)
            for (uint32_t i = 0; i < kSpectrumBins; ++i)
                sums[i] += bin(s.client.frames[f].payload, i);
        return uint32_t(std::max_element(sums.begin(), sums.end()) - sums.begin());
    };
    size_t from = s.client.frames.size();
    ASSERT_TRUE(s.client.waitFrames(from + 8));
    const auto tuned = s.client.lastValue(0);
    const SpectrumGeometry g{tuned[0] / 10, s.client.lastValue(9)[0] * 2.5};
    EXPECT_EQ(int64_t(tuned[1]) / 10, int64_t(g.leftHz()));
    EXPECT_EQ(carrierBin(from), uint32_t(g.binOf(6'070'000)));

    // 2.5 kHz higher the carrier stands 25 bins left of the centre.
    ASSERT_TRUE(s.command(link::commands::setValue(0, 0, 60'725'000),
                          [&] { return s.client.lastValue(0)[0] == 60'725'000u; }));
    from = s.client.frames.size();
    ASSERT_TRUE(s.client.waitFrames(from + 8));
    EXPECT_EQ(carrierBin(from), 511u - 25u);
}

TEST(ReceiverRoundTrip, GivenWordsArriveAfterTheStateAsOneBlock) {
    Session s;
    const std::vector<uint32_t> words{showFormWord(board::number(board::Form::Undo)),
                                      valueWord(0, board::number(board::Form::Undo)), 0x203};
    s.board.sendParamWords(words);
    ASSERT_TRUE(s.client.pumpUntil([&] {
        return std::any_of(s.client.blocks.begin(), s.client.blocks.end(),
                           [&](const ReceivedBlock& b) { return b.words == words; });
    }));
}

TEST(ReceiverRoundTrip, AfterADroppedConnectionTheStreamResumes) {
    Session s;
    s.board.dropConnection();
    ASSERT_TRUE(s.client.waitClosed());
    ASSERT_TRUE(s.client.connect());
    ASSERT_TRUE(s.client.greet());
    const size_t blocks = s.client.blocks.size();
    const size_t frames = s.client.frames.size();
    ASSERT_TRUE(s.client.pumpUntil([&] {
        return s.client.blocks.size() > blocks && (s.client.blocks[blocks].words.front() & 0xFF) ==
                                                      paramId(board::ParamId::DeviceHello);
    }));
    ASSERT_TRUE(s.client.waitFrames(frames + 10));
    for (size_t i = frames + 1; i < s.client.frames.size(); ++i)
        EXPECT_EQ(s.client.frames[i].counter, (s.client.frames[i - 1].counter + 1) & 0xFFFF);
}

TEST(ReceiverRoundTrip, RotatorDatagramsAreReportedAsItsState) {
    Session s;
    ASSERT_NE(s.board.rotatorPort(), 0);
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(s.board.rotatorPort());
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_TRUE(destinationAllowed("127.0.0.1"));
    const uint8_t turn[] = {13, 178, 50};
    ASSERT_EQ(::sendto(fd, turn, 3, 0, reinterpret_cast<sockaddr*>(&to), sizeof to), 3);
    const size_t before = s.client.blocks.size();
    const uint8_t hello[] = {13, 18, 0};
    ASSERT_EQ(::sendto(fd, hello, 3, 0, reinterpret_cast<sockaddr*>(&to), sizeof to), 3);
    ::close(fd);
    ASSERT_TRUE(
        s.client.pumpUntil([&] { return lastValue(s.groupsSince(before), 56).has_value(); }));
    ASSERT_TRUE(s.client.pumpUntil([&] {
        const auto v = s.client.lastValue(55);
        return v.size() == 2 && (v[0] >> 8 & 0xFF) == 50;
    }));
}

TEST(ReceiverRoundTrip, BadFaultSpecOrRotatorAddressRefusesToStart) {
    SimOptions o = loopbackOptions();
    o.faults = "pause=often";
    SimBoard a(o);
    EXPECT_FALSE(a.start());
    EXPECT_NE(a.error().find("pause"), std::string::npos);
    o = loopbackOptions();
    o.rotator = {"192.168.4.2", 55556};
    SimBoard b(o);
    EXPECT_FALSE(b.start());
}

TEST(ReceiverRoundTrip, WordsGivenBeforeTheGreetingFollowTheState) {
    SimBoard board(loopbackOptions());
    ASSERT_TRUE(board.start());
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    const std::vector<uint32_t> words{showFormWord(board::number(board::Form::Setup))};
    board.sendParamWords(words);
    ASSERT_TRUE(client.send(link::commands::button(12)));
    ASSERT_TRUE(client.pumpUntil([&] { return board.receivedRecords().size() == 1; }));
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.pumpUntil([&] {
        return std::any_of(client.blocks.begin(), client.blocks.end(),
                           [&](const ReceivedBlock& b) { return b.words == words; });
    }));
    EXPECT_EQ(client.blocks.front().words.front() & 0xFF, paramId(board::ParamId::DeviceHello));
    EXPECT_NE(client.blocks.front().words, words);
}
