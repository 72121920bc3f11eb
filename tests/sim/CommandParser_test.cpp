// Cutting the program's byte stream into command records.
#include "sim/CommandParser.h"

#include <gtest/gtest.h>

using talix::sim::CommandParser;
using Bytes = std::vector<uint8_t>;

namespace {

struct CutCase {
    const char* name;
    Bytes stream;
    std::vector<Bytes> records;
    size_t leftOver;
};

class CommandCutting : public ::testing::TestWithParam<CutCase> {};

} // namespace

TEST_P(CommandCutting, CutsByKind) {
    const CutCase& c = GetParam();
    CommandParser parser;
    parser.feed(c.stream.data(), c.stream.size());
    std::vector<Bytes> got;
    while (auto r = parser.next())
        got.push_back(*r);
    EXPECT_EQ(got, c.records);
    EXPECT_EQ(parser.pendingBytes(), c.leftOver);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandCutting,
    ::testing::Values(
        CutCase{"button", {1, 13, 11}, {{1, 13, 11}}, 0}, CutCase{"knob", {2, 254}, {{2, 254}}, 0},
        CutCase{"wifiSet", {8}, {{8}}, 0}, CutCase{"ack", {13, 0, 1, 2, 3}, {{13, 0, 1, 2, 3}}, 0},
        CutCase{"greeting", {18}, {{18}}, 0},
        CutCase{"setting178", {23, 178, 1}, {{23, 178, 1}}, 0},
        CutCase{"setting179", {23, 179, 0x34, 0x12}, {{23, 179, 0x34, 0x12}}, 0},
        CutCase{"fieldSelect", {192, 0, 0, 13}, {{192, 0, 0, 13}}, 0},
        CutCase{"rotatorSelect", {192, 1, 16}, {{192, 1, 16}}, 0},
        CutCase{"memorySelect", {192, 3, 5, 0, 1, 2, 3}, {{192, 3, 5, 0, 1, 2, 3}}, 0},
        CutCase{"setValue", {245, 0, 0, 1, 2, 3, 4}, {{245, 0, 0, 1, 2, 3, 4}}, 0},
        CutCase{"dabChoice", {245, 4, 15}, {{245, 4, 15}}, 0},
        CutCase{"stepChoiceIsTwoRecords",
                {245, 32, 0, 72, 232, 1, 0, 245, 27, 0, 3, 0, 0, 0},
                {{245, 32, 0, 72, 232, 1, 0}, {245, 27, 0, 3, 0, 0, 0}},
                0},
        CutCase{"severalInOneRead",
                {18, 1, 13, 11, 2, 2, 13, 0, 5, 0, 0},
                {{18}, {1, 13, 11}, {2, 2}, {13, 0, 5, 0, 0}},
                0},
        CutCase{"incompleteWaits", {1, 13, 11, 245, 1, 0}, {{1, 13, 11}}, 3},
        CutCase{"layoutByteStillMissing", {192, 5}, {}, 2},
        CutCase{"unknownKindTakesTheRest", {1, 2, 3, 99, 1, 2, 18}, {{1, 2, 3}, {99, 1, 2, 18}}, 0},
        CutCase{"unknownSubCode", {23, 100, 5, 1, 2, 3}, {{23, 100, 5, 1, 2, 3}}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandParser, RecordSplitOverReadsIsJoined) {
    CommandParser parser;
    const Bytes a{245, 1};
    const Bytes b{0, 41, 0, 0};
    const Bytes c{0, 2};
    parser.feed(a.data(), a.size());
    EXPECT_FALSE(parser.next());
    parser.feed(b.data(), b.size());
    EXPECT_FALSE(parser.next());
    parser.feed(c.data(), c.size());
    EXPECT_EQ(parser.next(), (Bytes{245, 1, 0, 41, 0, 0, 0}));
    EXPECT_FALSE(parser.next());
    EXPECT_EQ(parser.pendingBytes(), 1u);
}
