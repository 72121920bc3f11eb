#include "audio/AudioDeviceFactory.h"
#include "audio/AudioFormat.h"
#include "audio/support/PulseAudioServer.h"
#include "audio/support/RingDriver.h"
#include "audio/support/ToneAnalysis.h"

#include <gtest/gtest.h>

using namespace talix::audio;
using namespace talix::audio::testing;

namespace {

constexpr double kLeftHz = 1000.0;
constexpr double kRightHz = 1500.0;
constexpr double kAmplitude = 16000.0;

RingDriver::Block toneBlock(int index) {
    return stereoTone(kLeftHz, kRightHz, kAmplitude, static_cast<long long>(index) * kBlockFrames,
                      kBlockFrames, kSampleRate);
}

// The desktop output is a private PulseAudio server's null sink; what reaches it is recorded from
// the sink's monitor and checked for the tone that was played.
class QtAudioDeviceTest : public PrivateSoundServerTest {
protected:
    // Plays `blocks` blocks of the tone at `speakerVolume` and returns the recording.
    QByteArray playAndRecord(int blocks, std::uint8_t speakerVolume) {
        MonitorRecording recording(*server);
        const QString error = recording.start();
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        RingDriver driver(blocks, toneBlock);
        EXPECT_EQ(driver.open("qt", speakerVolume), OpenResult::Ok);
        EXPECT_TRUE(RingDriver::waitFor([&] {
            recording.collect();
            return driver.finished();
        })) << "played "
            << driver.done << " of " << driver.fed;
        // The monitor lags the played position; go on until it has delivered as much as was played.
        const qint64 expectedBytes = static_cast<qint64>(blocks) * kBlockBytes;
        RingDriver::waitFor(
            [&] {
                recording.collect();
                return recording.size() >= expectedBytes + kBytesPerSecond / 2;
            },
            std::chrono::seconds(10));
        driver.ring.close();
        return recording.stop();
    }
};

TEST_F(QtAudioDeviceTest, PlaysTheToneThroughTheRingToTheDefaultOutput) {
    constexpr int kBlocks = 160; // 2 s
    const QByteArray pcm = playAndRecord(kBlocks, 255);
    ASSERT_GT(pcm.size(), 0) << "nothing recorded from the monitor";

    for (const auto& [channel, hz] : {std::pair{0, kLeftHz}, std::pair{1, kRightHz}}) {
        const auto samples = pcmChannel(pcm, channel);
        const Span span = loudSpan(samples, kAmplitude / 4);
        ASSERT_GT(span.size(), static_cast<std::size_t>(kSampleRate)) << "channel " << channel;
        // Analyse the middle of what was heard.
        const std::size_t mid = span.begin + span.size() / 2;
        const std::vector<double> window(samples.begin() + mid - kSampleRate / 4,
                                         samples.begin() + mid + kSampleRate / 4);
        EXPECT_NEAR(dominantFrequency(window, kSampleRate, 100, 5000), hz, hz * 0.01)
            << "channel " << channel;
        EXPECT_NEAR(peakAmplitude(window), kAmplitude, kAmplitude * 0.05) << "channel " << channel;
    }
}

TEST_F(QtAudioDeviceTest, FollowsTheSpeakerVolume) {
    // Volume 127 is the level 250 of 65535: the tone arrives at about 0.4 % of its amplitude.
    const QByteArray pcm = playAndRecord(120, 127);
    const auto left = pcmChannel(pcm, 0);
    const double expectedPeak = kAmplitude * 250 / 65535;
    const Span span = loudSpan(left, expectedPeak / 2);
    ASSERT_GT(span.size(), static_cast<std::size_t>(kSampleRate / 2));
    const std::size_t mid = span.begin + span.size() / 2;
    const std::vector<double> window(left.begin() + mid - kSampleRate / 8,
                                     left.begin() + mid + kSampleRate / 8);
    EXPECT_NEAR(peakAmplitude(window), expectedPeak, expectedPeak * 0.25);
    EXPECT_NEAR(dominantFrequency(window, kSampleRate, 100, 5000), kLeftHz, kLeftHz * 0.01);
}

// Less than the sink's buffer is still played and reported.
TEST_F(QtAudioDeviceTest, ALoneBlockIsPlayedOut) {
    class Counter : public AudioDeviceListener {
    public:
        void deviceOpened() override {}
        void blockDone() override { ++done; }
        void deviceClosed() override {}
        int done = 0;
    } counter;
    auto device = createAudioDevice("qt");
    ASSERT_EQ(device->open(counter), OpenResult::Ok);
    const auto data = toneBlock(0);
    WaveHeader header{data.data(), kBlockBytes, kHeaderPrepared, 0};
    device->write(header);
    EXPECT_EQ(header.flags & (kHeaderInQueue | kHeaderDone), kHeaderInQueue);
    ASSERT_TRUE(RingDriver::waitFor([&] { return counter.done == 1; }));
    EXPECT_EQ(header.flags & (kHeaderInQueue | kHeaderDone), kHeaderDone);
    device->close();
}

// Runs last in the suite: it takes the sound server away.
TEST_F(QtAudioDeviceTest, KeepsReturningBlocksWhenTheSoundServerGoesAway) {
    RingDriver driver(1'000'000, toneBlock);
    ASSERT_EQ(driver.open("qt", 255), OpenResult::Ok);
    ASSERT_TRUE(RingDriver::waitFor([&] { return driver.done >= 80; }));
    server->stop();
    // Nothing can be heard any more, but the ring is not left waiting: blocks keep coming back
    // and the ring keeps filling and handing over.
    const int before = driver.done;
    EXPECT_TRUE(RingDriver::waitFor([&] {
        return driver.done >= before + 3 * PlaybackRing::kSlots;
    })) << "blocks returned after the server went away: "
        << driver.done - before;
}

} // namespace
