#include "update/UpdateTransfer.h"
#include "update/support/TransferBench.h"

#include <gtest/gtest.h>

namespace talix::update {
namespace {

using testing::TransferBench;
using Target = UpdateTransfer::Target;
using Bytes = std::vector<uint8_t>;

// File byte i is i & 0xFF; a firmware packet is 64 groups of a header and four bytes.
Bytes firmwarePacket(int firstGroup, size_t offset, size_t size) {
    Bytes p;
    for (int g = 0; g < 64; ++g) {
        p.push_back(uint8_t(0x80 | ((firstGroup + g) & 0x7F)));
        for (size_t i = 0; i < 4; ++i) {
            const size_t at = offset + size_t(g) * 4 + i;
            p.push_back(at < size ? uint8_t(at & 0xFF) : 0xFF);
        }
    }
    return p;
}

Bytes wifiPacket(int group, size_t offset, size_t size) {
    Bytes p{uint8_t(0x80 | (group & 0x7F))};
    for (size_t i = 0; i < 256; ++i)
        p.push_back(offset + i < size ? uint8_t((offset + i) & 0xFF) : 0xFF);
    return p;
}

std::vector<Bytes> sentBytes(const TransferBench& bench) {
    std::vector<Bytes> out;
    for (const auto& s : bench.sent)
        out.push_back(s.bytes);
    return out;
}

std::vector<QString> messageTexts(const TransferBench& bench) {
    std::vector<QString> out;
    for (const auto& m : bench.messages)
        out.push_back(m.text);
    return out;
}

struct FirmwareCase {
    size_t size;
    Bytes startRecord;
};

class FirmwareFile : public ::testing::TestWithParam<FirmwareCase> {};

TEST_P(FirmwareFile, GoesOutAsNamePacketsThenDataPacketsAndEndsWithTheGreeting) {
    const FirmwareCase c = GetParam();
    TransferBench bench;
    bench.start(Target::Firmware, c.size, "TALIX12.QFM");
    bench.run();

    std::vector<Bytes> expected{{10}, c.startRecord,
                                {0x81, 'L', 'I', 'X', '1'},
                                {0x82, '2', '.', 'Q', 'F'},
                                {0x83, 'M', 0, 0, 0}};
    int group = 4;
    for (size_t offset = 0; offset < c.size; offset += 256, group += 64)
        expected.push_back(firmwarePacket(group, offset, c.size));
    expected.push_back({18});
    EXPECT_EQ(sentBytes(bench), expected);
    EXPECT_EQ(messageTexts(bench), std::vector<QString>{"File transfer finished successfully!"});
    EXPECT_TRUE(bench.startEnabled);
    EXPECT_TRUE(bench.targetsEnabled);
    EXPECT_EQ(bench.progress.back(), 100);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FirmwareFile,
                         ::testing::Values(FirmwareCase{1000, {12, 0xE8, 0x03, 0, 0}},
                                           FirmwareCase{1002, {12, 0xEA, 0x03, 0, 0}},
                                           FirmwareCase{70'000, {12, 0x70, 0x11, 0x01, 0}}));

TEST(UpdateTransfer, TheLastPacketOfA1000ByteFileCarries232BytesThenFillerGroups) {
    TransferBench bench;
    bench.start(Target::Firmware, 1000);
    bench.run();
    ASSERT_EQ(bench.sent.size(), 10u);
    const Bytes& last = bench.sent[8].bytes;
    ASSERT_EQ(last.size(), 320u);
    EXPECT_EQ(last[57 * 5], 0x80 | (253 & 0x7F)); // group 58 of the packet: the final 4 bytes
    EXPECT_EQ(last[57 * 5 + 4], uint8_t(999 & 0xFF));
    for (int g = 58; g < 64; ++g)
        EXPECT_EQ(Bytes(last.begin() + g * 5 + 1, last.begin() + g * 5 + 5), Bytes(4, 0xFF)) << g;
}

TEST(UpdateTransfer, The59thGroupOfA1002ByteFileHoldsTwoBytesAndTwoFillers) {
    TransferBench bench;
    bench.start(Target::Firmware, 1002);
    bench.run();
    const Bytes& last = bench.sent[8].bytes;
    EXPECT_EQ(Bytes(last.begin() + 58 * 5 + 1, last.begin() + 58 * 5 + 5),
              (Bytes{uint8_t(1000 & 0xFF), uint8_t(1001 & 0xFF), 0xFF, 0xFF}));
}

TEST(UpdateTransfer, GroupHeadersWrapAfter127) {
    TransferBench bench;
    bench.start(Target::Firmware, 1024);
    bench.run();
    // Groups 68 to 131 make the second data packet: group 128 is its 61st, 129 its 62nd.
    const Bytes& second = bench.sent[6].bytes;
    EXPECT_EQ(second[0], 0x80 | 68);
    EXPECT_EQ(second[59 * 5], 0xFF);
    EXPECT_EQ(second[60 * 5], 0x80);
    EXPECT_EQ(second[61 * 5], 0x81);
}

TEST(UpdateTransfer, A300ByteWiFiImageGoesOutIn257BytePacketsAndIsBurnt) {
    TransferBench bench;
    bench.start(Target::WiFi, 300, "TALIX3.BIN");
    bench.run();
    const std::vector<Bytes> expected{{10}, {13, 3}, {9, 0x2C, 0x01, 0, 0},
                                      wifiPacket(1, 0, 300), wifiPacket(2, 256, 300), {18}};
    EXPECT_EQ(sentBytes(bench), expected);
    EXPECT_EQ(expected[4][0], 0x82);
    EXPECT_EQ(std::count(expected[4].begin(), expected[4].end(), 0xFF), 212);
    // The willing board says nothing while burning: the 6 s time-out stands in for its 15.
    EXPECT_EQ(bench.captions.back().text, "Bytes left to burn:");
    EXPECT_EQ(bench.bytesShown.back(), 0);
    EXPECT_EQ(messageTexts(bench), std::vector<QString>{"File transfer finished successfully!"});
}

TEST(UpdateTransfer, BytesSentCaptionFromTheSecondDataPacketOn) {
    TransferBench bench;
    bench.start(Target::Firmware, 1000);
    bench.run();
    ASSERT_EQ(bench.captions.size(), 2u);
    EXPECT_EQ(bench.captions[0].text, "Clearing memory:");
    EXPECT_EQ(bench.captions[1].text, "Bytes sent:");
    EXPECT_EQ(bench.bytesShown, (std::vector<int64_t>{0, 0, 0, 0, 0, 256, 512, 768, 1024}));
}

// The board stays silent from the first record on: each silence is once taken as the expected
// reply, the clearing tick counts to 20, and the second silence in a row ends the update.
TEST(UpdateTransfer, ASilentBoardRunsTheWholeTimelineAndTimesOut) {
    TransferBench bench;
    bench.board = nullptr;
    bench.start(Target::Firmware, 1000);
    bench.run();
    ASSERT_EQ(bench.sent.size(), 4u);
    EXPECT_EQ(bench.sent[0].atMs, 0);
    EXPECT_EQ(bench.sent[0].bytes, Bytes{10});
    EXPECT_EQ(bench.sent[1].atMs, 6000);
    EXPECT_EQ(bench.sent[1].bytes[0], 12);
    ASSERT_FALSE(bench.captions.empty());
    EXPECT_EQ(bench.captions[0].atMs, 12000);
    EXPECT_EQ(bench.captions[0].text, "Clearing memory:");
    std::vector<int64_t> counted;
    for (int64_t n = 0; n <= 20; ++n)
        counted.push_back(n);
    counted.push_back(0); // the byte count when the first name packet goes out
    EXPECT_EQ(bench.bytesShown, counted);
    EXPECT_EQ(bench.sent[2].atMs, 33000);
    EXPECT_EQ(bench.sent[2].bytes, (Bytes{0x81, 'L', 'I', 'X', '1'}));
    ASSERT_EQ(bench.messages.size(), 1u);
    EXPECT_EQ(bench.messages[0].atMs, 39000);
    EXPECT_EQ(bench.messages[0].text, "Timeout: Device doesn't respond!");
    EXPECT_EQ(bench.sent[3].bytes, Bytes{18});
}

struct RefusalCase {
    const char* name;
    Target target;
    int refusedRecord; // index of the record answered with 3
    std::vector<QString> messages;
    bool greeted;
};

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, EndsWithItsMessage) {
    const RefusalCase c = GetParam();
    TransferBench bench;
    int records = 0;
    bench.board = [&](const Bytes& record) {
        const int index = records++;
        if (index == c.refusedRecord)
            return std::vector<uint32_t>{3};
        return testing::willingBoard(record);
    };
    bench.start(c.target, 1000);
    bench.run();
    EXPECT_EQ(messageTexts(bench), c.messages);
    EXPECT_EQ(bench.sent.back().bytes == Bytes{18}, c.greeted);
    EXPECT_TRUE(bench.startEnabled);
    EXPECT_EQ(bench.transfer.stage(), UpdateTransfer::Stage::Idle);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, Refusal,
    ::testing::Values(
        RefusalCase{"Handshake", Target::Firmware, 0, {"Nimbrel doesn't respond!"}, false},
        RefusalCase{"WiFiCpu", Target::WiFi, 1, {"WiFi-CPU doesn't respond!"}, false},
        RefusalCase{"Start", Target::Firmware, 1, {"File cannot be loaded into TLX!"}, true},
        RefusalCase{"DataPacket", Target::Firmware, 5, {"File cannot be loaded into TLX!"}, true},
        // The WiFi CPU's burning wait follows first; its time-out stands in for the 15.
        RefusalCase{"WiFiDataPacket", Target::WiFi, 3, {"File cannot be loaded into TLX!"},
                    true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateTransfer, BurningCountsDownPer85AndRearmsFourSeconds) {
    TransferBench bench;
    const size_t size = 3 * 4096 + 100;
    bool burning = false;
    bench.board = [&](const Bytes& record) -> std::vector<uint32_t> {
        if (record.size() == 257 && (record[0] & 0x7F) == 49) { // the last packet
            burning = true;
            return {0, 85, 85};
        }
        return testing::willingBoard(record);
    };
    bench.start(Target::WiFi, size, "TALIX3.BIN");
    bench.run(0); // up to the silence after the second 85
    ASSERT_TRUE(burning);
    EXPECT_EQ(bench.transfer.stage(), UpdateTransfer::Stage::Burning);
    EXPECT_EQ(bench.bytesShown.back(), 49 * 256 - 2 * 4096);
    EXPECT_EQ(bench.replyDueMs, 4000);
    bench.transfer.reply(0x020F);
    EXPECT_EQ(messageTexts(bench), std::vector<QString>{"Could not burn all bytes into WiFi CPU!"});
    EXPECT_EQ(bench.sent.back().bytes, Bytes{18});
}

TEST(UpdateTransfer, BurningReportsOfTheDriverActivation) {
    const std::pair<uint32_t, QString> cases[] = {
        {0x010F, "Could not automatically activate new driver!"},
        {0x020F, "Could not burn all bytes into WiFi CPU!"},
        {0x000F, "File transfer finished successfully!"},
        {0x030F, "File transfer finished successfully!"}};
    for (const auto& [reply, text] : cases) {
        TransferBench bench;
        bench.board = [&, reply = reply](const Bytes& record) -> std::vector<uint32_t> {
            if (record.size() == 257)
                return {0, reply};
            return testing::willingBoard(record);
        };
        bench.start(Target::WiFi, 200, "TALIX3.BIN");
        bench.run();
        EXPECT_EQ(messageTexts(bench), std::vector<QString>{text}) << std::hex << reply;
    }
}

// A busy tick after 1,000 bytes no longer reads the grouped text back: the count goes on.
TEST(UpdateTransfer, ABusyTickAboveAThousandBytesCountsOn) {
    TransferBench bench;
    int dataPackets = 0;
    bench.board = [&](const Bytes& record) -> std::vector<uint32_t> {
        if (record.size() == 320 && ++dataPackets == 5) // sent with 1,024 bytes shown
            return {85, 0};
        return testing::willingBoard(record);
    };
    bench.start(Target::Firmware, 2000);
    bench.run();
    const auto at = std::find(bench.bytesShown.begin(), bench.bytesShown.end(), 1024);
    ASSERT_NE(at, bench.bytesShown.end());
    EXPECT_EQ(std::vector<int64_t>(at, at + 3), (std::vector<int64_t>{1024, 1025, 1280}));
    EXPECT_EQ(messageTexts(bench), std::vector<QString>{"File transfer finished successfully!"});
}

TEST(UpdateTransfer, ABrokenLinkEndsWithoutGreeting) {
    TransferBench bench;
    bench.failSendAt = 4; // the second name packet
    bench.start(Target::Firmware, 1000);
    bench.run();
    EXPECT_EQ(messageTexts(bench), std::vector<QString>{"Can not open WiFi connection!"});
    EXPECT_EQ(bench.sent.size(), 4u);
    EXPECT_NE(bench.sent.back().bytes, Bytes{18});
    EXPECT_FALSE(bench.replyDueMs);
    EXPECT_FALSE(bench.tickDueMs);
}

TEST(UpdateTransfer, ALinkDownOrAMissingFileEndsSilently) {
    TransferBench down;
    down.connected = false;
    down.start(Target::Firmware, 1000);
    EXPECT_TRUE(down.sent.empty());
    EXPECT_TRUE(down.messages.empty());

    TransferBench missing;
    missing.transfer.start(Target::Firmware, missing.dir.filePath("TALIX9.QFM"), "TALIX9.QFM");
    EXPECT_EQ(sentBytes(missing), std::vector<Bytes>{{18}});
    EXPECT_TRUE(missing.messages.empty());
    EXPECT_EQ(missing.transfer.stage(), UpdateTransfer::Stage::Idle);
}

TEST(UpdateTransfer, LeavingTheFormMidwayStopsTheTimersAndGreetsTheBoard) {
    TransferBench bench;
    bench.board = [](const Bytes& record) -> std::vector<uint32_t> {
        if (record.size() == 5 && record[0] == 12)
            return {90}; // and then clears for long
        return testing::willingBoard(record);
    };
    bench.start(Target::Firmware, 1000);
    bench.run(3000);
    ASSERT_EQ(bench.transfer.stage(), UpdateTransfer::Stage::Transfer);
    EXPECT_FALSE(bench.startEnabled);
    EXPECT_FALSE(bench.targetsEnabled);
    bench.transfer.abort();
    EXPECT_EQ(bench.transfer.stage(), UpdateTransfer::Stage::Idle);
    EXPECT_EQ(bench.sent.back().bytes, Bytes{18});
    EXPECT_FALSE(bench.replyDueMs);
    EXPECT_FALSE(bench.tickDueMs);
    EXPECT_TRUE(bench.startEnabled);
    EXPECT_TRUE(bench.messages.empty());
    bench.transfer.reply(0); // late replies find nothing to do
    EXPECT_EQ(bench.sent.back().bytes, Bytes{18});
}

TEST(UpdateTransfer, AnEmptyFileIsSentAsNothingButItsStartRecord) {
    TransferBench bench;
    bench.start(Target::Firmware, 0);
    bench.run();
    EXPECT_EQ(sentBytes(bench), (std::vector<Bytes>{{10}, {12, 0, 0, 0, 0}, {18}}));
    EXPECT_EQ(bench.progress.back(), 100);
    EXPECT_EQ(messageTexts(bench), std::vector<QString>{"File transfer finished successfully!"});
}

} // namespace
} // namespace talix::update
