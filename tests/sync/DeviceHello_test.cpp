#include "sync/AnsiText.h"
#include "sync/DeviceHello.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace talix::sync;

namespace {

struct VersionCase {
    std::string name;
    std::optional<QString> line;
    QString version;
};

class Version : public ::testing::TestWithParam<VersionCase> {};

} // namespace

TEST_P(Version, TakesTheSevenCharactersBeforeTheFirstDot) {
    EXPECT_EQ(programVersionText(GetParam().line), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    StartScript, Version,
    ::testing::Values(VersionCase{"NoScript", std::nullopt, " "},
                      VersionCase{"ProgramPath", "C:\\TALIX\\TALIX123.EXE", " ALIX123"},
                      VersionCase{"TextAfterTheNameStays", "TLX_0815.EXE /x", " 0815 /x"},
                      VersionCase{"ShortName", "T.EXE", " T"},
                      VersionCase{"NoDot", "ABCDEFGHIJKL", " FGHIJKL"},
                      VersionCase{"EmptyLine", "", " "}),
    [](const auto& info) { return info.param.name; });

TEST(DeviceHello, IdentificationLine) {
    const uint32_t w = 18u | 0x2Au << 8 | 7u << 16;
    const uint32_t x = 0x0123ABCDu;
    EXPECT_EQ(identificationText(w, x, " ALIX123"), "LANV2A TLXABCD V123 ALIX123 SN007");
    EXPECT_EQ(identificationText(w, 0x00050001u, " "), "LANV2A TLX0001 V005  SN007");
    EXPECT_EQ(identificationText(18u | 0xFFFF0000u, 0xFFFF0000u, " "),
              "LANV00 TLX0000 VFFFF  SN65535");
}

TEST(AnsiText, EndsAtTheFirstZeroAndMapsWindows1252) {
    const uint8_t bytes[] = {'A', 0x80, 0x9F, 0xB5, 0x81, 0, 'B'};
    EXPECT_EQ(ansiText(bytes, sizeof bytes), QString("A€Ÿµ") + QChar(0x81));
    EXPECT_EQ(ansiText(bytes, 2), "A€");
    const uint32_t words[] = {0x44434241, 0x48474645};
    EXPECT_EQ(ansiTextOfWords(words, 100), "ABCDEFGH");
    EXPECT_EQ(ansiTextOfWords(words, 5), "ABCDE");
}
