#include "audio/WavFileHeader.h"
#include "base/LittleEndian.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::audio;

TEST(WavFileHeader, DescribesStereoSixteenBitPcmAt40960Hertz) {
    const auto h = wavFileHeader(2048 * 3);
    EXPECT_EQ(std::memcmp(h.data(), "RIFF", 4), 0);
    EXPECT_EQ(readLe32(h.data() + 4), 36u + 6144u);
    EXPECT_EQ(std::memcmp(h.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(readLe32(h.data() + 16), 16u);
    EXPECT_EQ(readLe16(h.data() + 20), 1);
    EXPECT_EQ(readLe16(h.data() + 22), 2);
    EXPECT_EQ(readLe32(h.data() + 24), 40960u);
    EXPECT_EQ(readLe32(h.data() + 28), 163840u);
    EXPECT_EQ(readLe16(h.data() + 32), 4);
    EXPECT_EQ(readLe16(h.data() + 34), 16);
    EXPECT_EQ(std::memcmp(h.data() + 36, "data", 4), 0);
    EXPECT_EQ(readLe32(h.data() + 40), 6144u);
}

TEST(WavFileHeader, LargestFileKeepsItsSizesInThirtyTwoBits) {
    const auto h = wavFileHeader(kWavMaxDataBytes);
    EXPECT_EQ(readLe32(h.data() + 4), 0xFFFFFFFFu);
    EXPECT_EQ(readLe32(h.data() + 40), kWavMaxDataBytes);
}
