#include "display/spectrum/SpectrumLine.h"
#include "display/support/SpectrumLines.h"

#include <gtest/gtest.h>

using namespace talix::display;
using namespace talix::display::testing;

namespace {

struct BinCase {
    int index;
    uint16_t value;
    const char* what;
};

class SingleBin : public ::testing::TestWithParam<BinCase> {};

TEST_P(SingleBin, DecodesOnlyThatBin) {
    const BinCase c = GetParam();
    SpectrumBins in{};
    in[c.index] = c.value;
    const LineBytes bytes = packLine(in);
    SpectrumBins out;
    out.fill(0xFFFF);
    unpackSpectrumLine(bytes, out);
    for (int i = 0; i < kSpectrumBins; ++i)
        ASSERT_EQ(out[i], i == c.index ? c.value : 0) << c.what << " bin " << i;
}

INSTANTIATE_TEST_SUITE_P(
    HandPacked, SingleBin,
    ::testing::Values(BinCase{0, 511, "first bin, all ones"}, BinCase{0, 1, "lowest bit"},
                      BinCase{3, 511, "bits 27-35 straddle words 0 and 1"},
                      BinCase{3, 0x1F1, "straddling, high part only in word 1"},
                      BinCase{7, 0x10F, "bits 63-71 start at the last bit of word 1"},
                      BinCase{14, 0x155, "bits 126-134 straddle words 3 and 4"},
                      BinCase{1023, 511, "last bin ends in the last byte"},
                      BinCase{1022, 256, "top bit only"}));

TEST(SpectrumLine, HandPackedFirstWords) {
    // Bins 0..3 = 1, 2, 511, 0x1AB, packed by hand: bits 0-8 = 1, 9-17 = 2, 18-26 = 511,
    // 27-35 = 0x1AB (bits 27-31 in word 0, 32-35 in word 1).
    // word 0 = 1 | 2 << 9 | 511 << 18 | (0x1AB & 0x1F) << 27 = 0x5FFC0401
    // word 1 = 0x1AB >> 5 = 0xD
    LineBytes bytes{};
    const uint8_t head[] = {0x01, 0x04, 0xFC, 0x5F, 0x0D, 0x00, 0x00, 0x00};
    std::copy(std::begin(head), std::end(head), bytes.begin());
    SpectrumBins out;
    unpackSpectrumLine(bytes, out);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], 2);
    EXPECT_EQ(out[2], 511);
    EXPECT_EQ(out[3], 0x1AB);
    EXPECT_EQ(out[4], 0);
}

TEST(SpectrumLine, AllOnesIsValue511Everywhere) {
    LineBytes bytes;
    bytes.fill(0xFF);
    SpectrumBins out{};
    unpackSpectrumLine(bytes, out);
    for (uint16_t v : out)
        ASSERT_EQ(v, 511);
}

TEST(SpectrumLine, EveryBinRoundTrips) {
    SpectrumBins in;
    for (int i = 0; i < kSpectrumBins; ++i)
        in[i] = uint16_t((i * 37 + 11) % 512);
    SpectrumBins out{};
    unpackSpectrumLine(packLine(in), out);
    EXPECT_EQ(out, in);
}

} // namespace
