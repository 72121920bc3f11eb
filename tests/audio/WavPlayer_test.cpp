// The recorder's player: what it hands its device, its times in 100 ns units, seeking, the end.
#include "audio/AudioDeviceFactory.h"
#include "audio/WavFileHeader.h"
#include "audio/WavPlayer.h"
#include "audio/support/ScriptedAudioDevice.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talix::audio;
using talix::audio::testing::ScriptedAudioDevice;

namespace {

// A recording of `bytes` audio bytes, byte i of the audio holding i / 2048 (its block number).
QString writeRecording(const QTemporaryDir& dir, int bytes, uint32_t headerData) {
    const QString path = dir.filePath("File0.WAV");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    const auto h = wavFileHeader(headerData);
    f.write(reinterpret_cast<const char*>(h.data()), 44);
    QByteArray audio(bytes, 0);
    for (int i = 0; i < bytes; ++i)
        audio[i] = char(i / 2048);
    f.write(audio);
    return path;
}

struct PlayerTest : ::testing::Test {
    QTemporaryDir dir;
    ScriptedAudioDevice::Log log;
    ScriptedAudioDevice* device = nullptr;
    WavPlayer player{[this] {
        auto d = std::make_unique<ScriptedAudioDevice>(log);
        device = d.get();
        return d;
    }};
};

TEST_F(PlayerTest, PlaysTheFileInBlocksAndEndsAtItsDuration) {
    // 20 blocks and a half; the header says nothing was recorded (a recording cut off).
    ASSERT_TRUE(player.open(writeRecording(dir, 20 * 2048 + 1024, 0)));
    EXPECT_EQ(player.duration(), int64_t(20 * 2048 + 1024) * 10'000'000 / 163840);
    EXPECT_FALSE(player.playing());
    ASSERT_TRUE(player.play());
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(device->queued(), size_t(WavPlayer::kSlots));
    for (int k = 0; k < 5; ++k)
        ASSERT_TRUE(device->playOne());
    EXPECT_EQ(player.currentTime(), 5 * 125'000); // 12.5 ms a block
    while (device->playOne()) {
    }
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(player.currentTime(), player.duration());
    ASSERT_EQ(log.played.size(), 21u);
    for (size_t k = 0; k < 20; ++k)
        EXPECT_EQ(log.played[k], std::vector<uint8_t>(2048, uint8_t(k))) << k;
    std::vector<uint8_t> last(2048, 0);
    std::fill(last.begin(), last.begin() + 1024, uint8_t(20));
    EXPECT_EQ(log.played[20], last); // the rest of the last block is silence
    player.stop();
    EXPECT_EQ(log.calls.back(), "close");
}

TEST_F(PlayerTest, SeeksToAPositionWhilePlaying) {
    ASSERT_TRUE(player.open(writeRecording(dir, 100 * 2048, 100 * 2048)));
    ASSERT_TRUE(player.play());
    ASSERT_TRUE(device->playOne());
    player.setCurrentTime(player.duration() / 2); // block 50
    EXPECT_EQ(player.currentTime(), 50 * 125'000);
    ASSERT_TRUE(device->playOne());
    EXPECT_EQ(log.played.back(), std::vector<uint8_t>(2048, uint8_t(50)));
    EXPECT_EQ(player.currentTime(), 51 * 125'000);
}

TEST_F(PlayerTest, RefusesWhatIsNotARecording) {
    EXPECT_FALSE(player.open(dir.filePath("missing.WAV")));
    QFile f(dir.filePath("text.WAV"));
    f.open(QIODevice::WriteOnly);
    f.write("not a wave file at all, only text of some length");
    f.close();
    EXPECT_FALSE(player.open(f.fileName()));
    EXPECT_FALSE(player.play());
    EXPECT_EQ(device, nullptr);
}

TEST(RecorderDevice, TheWavDeviceOfThePlayerWritesAFileOfItsOwn) {
    EXPECT_EQ(recorderDeviceName("qt"), "qt");
    EXPECT_EQ(recorderDeviceName("null"), "null");
    EXPECT_EQ(recorderDeviceName("wav:/tmp/a.b/out.wav"), "wav:/tmp/a.b/out-recorder.wav");
    EXPECT_EQ(recorderDeviceName("wav:/tmp/a.b/out"), "wav:/tmp/a.b/out-recorder.wav");
}

} // namespace

TEST_F(PlayerTest, PlaysAtTheLevelItWasGivenAndFollowsIt) {
    ASSERT_TRUE(player.open(writeRecording(dir, 4 * 2048, 4 * 2048)));
    player.setVolume(2500); // the loudspeaker's level, not full scale
    ASSERT_TRUE(player.play());
    ASSERT_FALSE(log.volumes.empty());
    EXPECT_EQ(log.volumes.back(), 2500);
    player.setVolume(250);
    EXPECT_EQ(log.volumes.back(), 250);
    player.stop();
}
