#include "sim/FaultInjector.h"
#include "sim/FirmwareReceiver.h"

#include <gtest/gtest.h>

namespace talix::sim {
namespace {

using Bytes = std::vector<uint8_t>;

std::vector<uint32_t> words(const std::vector<FirmwareReceiver::Reply>& replies) {
    std::vector<uint32_t> out;
    for (const auto& r : replies)
        out.push_back(r.word);
    return out;
}

Bytes feed(FirmwareReceiver& board, const Bytes& bytes, std::vector<uint32_t>& answered) {
    std::vector<FirmwareReceiver::Reply> replies;
    Bytes rest = board.feed(bytes.data(), bytes.size(), replies);
    for (uint32_t w : words(replies))
        answered.push_back(w);
    return rest;
}

TEST(FirmwareReceiver, AFirmwareImageIsClearedForThenStoredWhole) {
    FirmwareReceiver board;
    std::vector<uint32_t> answered;
    ASSERT_TRUE(board.begins(10));
    feed(board, {10, 12, 0x2C, 0x01, 0, 0}, answered); // 300 bytes
    EXPECT_EQ(answered, (std::vector<uint32_t>{85, 90, 85, 85, 85, 0}));
    answered.clear();
    for (uint8_t g = 1; g <= 3; ++g)
        feed(board, {uint8_t(0x80 | g), 'N', 'A', 'M', 'E'}, answered);
    Bytes image;
    for (int packet = 0; packet < 2; ++packet) {
        Bytes p;
        for (int g = 0; g < 64; ++g) {
            p.push_back(0x80);
            for (int i = 0; i < 4; ++i) {
                const int at = packet * 256 + g * 4 + i;
                p.push_back(at < 300 ? uint8_t(at) : 0xFF);
            }
        }
        feed(board, p, answered);
    }
    EXPECT_EQ(answered, std::vector<uint32_t>(5, 0));
    EXPECT_FALSE(board.active());
    ASSERT_EQ(board.image().size(), 300u);
    EXPECT_EQ(board.image()[299], uint8_t(299));
    // The program's greeting afterwards is an ordinary command again.
    EXPECT_EQ(feed(board, {18}, answered), Bytes{18});
}

TEST(FirmwareReceiver, AWiFiImageIsBurntWithATickPer4096Bytes) {
    FirmwareReceiver board;
    std::vector<uint32_t> answered;
    feed(board, {10, 13, 3, 9, 0x00, 0x20, 0, 0}, answered); // 8192 bytes
    answered.clear();
    for (int packet = 0; packet < 32; ++packet) {
        Bytes p(257, uint8_t(packet));
        p[0] = uint8_t(0x80 | (packet + 1));
        feed(board, p, answered);
    }
    EXPECT_EQ(answered.size(), 32u + 3u);
    EXPECT_EQ(std::vector<uint32_t>(answered.end() - 3, answered.end()),
              (std::vector<uint32_t>{85, 85, 15}));
    EXPECT_EQ(board.image().size(), 8192u);
    EXPECT_TRUE(board.wifi());
}

TEST(FirmwareReceiver, AcknowledgementsDuringAnUpdateStayCommands) {
    FirmwareReceiver board;
    std::vector<uint32_t> answered;
    const Bytes rest = feed(board, {10, 13, 0, 7, 0, 0, 13, 3}, answered);
    EXPECT_EQ(rest, (Bytes{13, 0, 7, 0, 0}));
    EXPECT_EQ(answered, (std::vector<uint32_t>{85, 0}));
    EXPECT_TRUE(board.active());
}

TEST(FirmwareReceiver, FaultModes) {
    std::string error;
    const auto refuse = parseFaults("update=refuse", error);
    ASSERT_TRUE(refuse);
    FirmwareReceiver refusing(refuse->update);
    std::vector<uint32_t> answered;
    feed(refusing, {10, 12, 1, 0, 0, 0}, answered);
    EXPECT_EQ(answered, (std::vector<uint32_t>{85, 3}));
    EXPECT_FALSE(refusing.active());

    const auto silent = parseFaults("update=silent", error);
    ASSERT_TRUE(silent);
    EXPECT_FALSE(FirmwareReceiver(silent->update).begins(10));
    EXPECT_FALSE(parseFaults("update=sometimes", error));
}

TEST(FirmwareReceiver, AnUnknownRecordInUpdateModeIsRefused) {
    FirmwareReceiver board;
    std::vector<uint32_t> answered;
    feed(board, {10, 99, 1, 2}, answered);
    EXPECT_EQ(answered, (std::vector<uint32_t>{85, 3}));
    EXPECT_FALSE(board.active());
}

} // namespace
} // namespace talix::sim
