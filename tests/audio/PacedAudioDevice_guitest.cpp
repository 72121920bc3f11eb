#include "audio/AudioDeviceFactory.h"
#include "audio/OpenResultText.h"
#include "audio/WavFileHeader.h"
#include "audio/support/RingDriver.h"
#include "base/LittleEndian.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::audio;
using namespace talix::audio::testing;

namespace {

// Distinct, non-repeating contents: every byte depends on the block and its position.
RingDriver::Block patternBlock(int index) {
    RingDriver::Block b(kBlockBytes);
    std::uint32_t x = 0x9E3779B9u * static_cast<std::uint32_t>(index + 1);
    for (auto& byte : b) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        byte = static_cast<std::uint8_t>(x);
    }
    return b;
}

TEST(NullAudioDevice, PlaysEveryBlockAndReportsEachDone) {
    constexpr int kTotal = 160; // 2 s of audio
    RingDriver driver(kTotal, patternBlock);
    ASSERT_EQ(driver.open("null", 0), OpenResult::Ok);
    ASSERT_TRUE(RingDriver::waitFor([&] { return driver.finished(); }));
    EXPECT_EQ(driver.done, kTotal);
    EXPECT_EQ(driver.lastBar, 0) << "the queue ran empty at the end";
}

TEST(WavFileAudioDevice, WritesExactlyTheBytesGivenInOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("out.wav");
    constexpr int kTotal = 200;
    {
        RingDriver driver(kTotal, patternBlock);
        ASSERT_EQ(driver.open("wav:" + path, 0), OpenResult::Ok);
        ASSERT_TRUE(RingDriver::waitFor([&] { return driver.finished(); }));
        driver.ring.close();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), static_cast<qsizetype>(kWavHeaderBytes + kTotal * kBlockBytes));
    const auto header = wavFileHeader(kTotal * kBlockBytes);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(header.data()), header.size()),
              bytes.left(kWavHeaderBytes));
    for (int i = 0; i < kTotal; ++i) {
        const auto expected = patternBlock(i);
        const QByteArray got = bytes.mid(kWavHeaderBytes + i * kBlockBytes, kBlockBytes);
        ASSERT_EQ(got, QByteArray(reinterpret_cast<const char*>(expected.data()), kBlockBytes))
            << "block " << i;
    }
}

TEST(WavFileAudioDevice, KeepsTheFileValidWhenDestroyedWithoutClosing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cut.wav");
    {
        RingDriver driver(100, patternBlock);
        ASSERT_EQ(driver.open("wav:" + path, 0), OpenResult::Ok);
        ASSERT_TRUE(RingDriver::waitFor([&] { return driver.done >= 10; }));
        // The driver's destructor resets and closes; what was played is in the file.
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), static_cast<qsizetype>(kWavHeaderBytes));
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    EXPECT_EQ(readLe32(p + 40), static_cast<std::uint32_t>(bytes.size() - kWavHeaderBytes));
    EXPECT_EQ((bytes.size() - kWavHeaderBytes) % kBlockBytes, 0);
}

TEST(WavFileAudioDevice, UnwritablePathFailsToOpenWithTheGeneralMessage) {
    QTemporaryDir dir;
    RingDriver driver(1, patternBlock);
    const OpenResult result = driver.open("wav:" + dir.filePath("missing/folder/x.wav"), 0);
    EXPECT_EQ(result, OpenResult::Failed);
    EXPECT_EQ(openResultText(result), "Failed to open audio device!");
    EXPECT_FALSE(driver.ring.hasDevice());
}

struct NameCase {
    const char* name;
    bool known;
};

class AudioDeviceFactoryTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(AudioDeviceFactoryTest, KnowsTheDeviceNames) {
    EXPECT_EQ(createAudioDevice(GetParam().name) != nullptr, GetParam().known);
}

INSTANTIATE_TEST_SUITE_P(Names, AudioDeviceFactoryTest,
                         ::testing::Values(NameCase{"qt", true}, NameCase{"null", true},
                                           NameCase{"wav:/tmp/x.wav", true},
                                           NameCase{"wav:", false}, NameCase{"", false},
                                           NameCase{"alsa", false}, NameCase{"Qt", false}));

} // namespace
