// Frame layout and the 9-bit spectrum packing.
#include "base/LittleEndian.h"
#include "sim/FrameWriter.h"

#include <gtest/gtest.h>

using namespace talix::sim;

TEST(FrameWriter, HeaderAndPayloadLayout) {
    FrameContent c;
    c.streamHeader = streamHeader(2, 0x123456, false);
    c.words[0] = 12;
    c.words[1] = 0x000018F5;
    c.audio[0] = -2;
    c.audio[1023] = 300;
    c.spectrum[1023] = 511;
    c.status = 0x80000123;
    FrameBytes f;
    writeFrame(f, 0x10002, c);
    EXPECT_EQ(talix::readLe32(&f[0]), 3712u);
    EXPECT_EQ(talix::readLe32(&f[4]), 0xFFFFF17Fu);
    EXPECT_EQ(talix::readLe32(&f[8]), 0x10002u);
    const uint8_t* p = f.data() + 12;
    EXPECT_EQ(talix::readLe32(p), 2u | 0x123456u << 8);
    EXPECT_EQ(talix::readLe32(p + 4), 12u);
    EXPECT_EQ(talix::readLe32(p + 8), 0x18F5u);
    EXPECT_EQ(int16_t(talix::readLe16(p + 496)), -2);
    EXPECT_EQ(int16_t(talix::readLe16(p + 496 + 2046)), 300);
    EXPECT_EQ(unpackBin(p + 2544, 1023), 511);
    EXPECT_EQ(talix::readLe32(p + 3696), 0x80000123u);
}

TEST(FrameWriter, StreamHeaderFields) {
    EXPECT_EQ(streamHeader(123, 1, false), 0x17Bu);
    EXPECT_EQ(streamHeader(1, 0x7FFFFF, true), 0xFFFFFF01u);
}

TEST(FrameWriter, SpectrumPacksNineBitsLeastSignificantFirst) {
    std::array<uint16_t, kSpectrumBins> bins{};
    for (uint32_t i = 0; i < kSpectrumBins; ++i)
        bins[i] = uint16_t((i * 37 + 5) % 512);
    uint8_t packed[kSpectrumBytes];
    packSpectrum(bins, packed);
    for (uint32_t i = 0; i < kSpectrumBins; ++i)
        ASSERT_EQ(unpackBin(packed, i), bins[i]) << "bin " << i;
    // Bin 0 is bits 0-8 of word 0, bin 3 straddles words 0 and 1 (bits 27-35).
    std::array<uint16_t, kSpectrumBins> one{};
    one[3] = 0x1FF;
    packSpectrum(one, packed);
    EXPECT_EQ(talix::readLe32(packed), 0xF8000000u);
    EXPECT_EQ(talix::readLe32(packed + 4), 0x0000000Fu);
}

TEST(FrameWriter, BinValuesAreLimitedToNineBits) {
    std::array<uint16_t, kSpectrumBins> bins{};
    bins[0] = 700;
    bins[1] = 3;
    uint8_t packed[kSpectrumBytes];
    packSpectrum(bins, packed);
    EXPECT_EQ(unpackBin(packed, 0), 511);
    EXPECT_EQ(unpackBin(packed, 1), 3);
}
