// The board's test tone and its log of the audio it sent.
#include "sim/FrameWriter.h"
#include "sim/SimBoard.h"
#include "sim/ToneSynth.h"
#include "sim/support/SimClient.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

using namespace talix::sim;
using talix::simtest::SimClient;

TEST(ToneSynth, IsOneContinuousSineOnBothChannels) {
    ToneSynth whole(1000, 40960, 16000);
    ToneSynth pieces(1000, 40960, 16000);
    std::vector<int16_t> a(2 * 1024), b(2 * 1024);
    whole.render(a.data(), 1024);
    pieces.render(b.data(), 300);
    pieces.render(b.data() + 600, 724);
    EXPECT_EQ(a, b);
    int crossings = 0;
    for (size_t i = 0; i + 2 < a.size(); i += 2) {
        EXPECT_EQ(a[i], a[i + 1]);
        crossings += (a[i] < 0) != (a[i + 2] < 0);
    }
    // 1024 samples of 1000 Hz at 40960 Hz: 25 periods, 50 crossings.
    EXPECT_NEAR(crossings, 50, 1);
    EXPECT_NEAR(*std::max_element(a.begin(), a.end()), 16000, 10);
}

TEST(SimBoardAudio, TheLogHoldsTheAudioOfTheFramesSentInOrder) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("talix-sim-audio-" + std::to_string(::getpid()) + ".pcm");
    SimOptions o;
    o.listen = {"127.0.0.1", 0};
    o.rotator = {"127.0.0.1", 0};
    o.toneHz = 1000;
    o.audioLogPath = path.string();
    SimBoard board(o);
    ASSERT_TRUE(board.start()) << board.error();
    SimClient client(board.port());
    ASSERT_TRUE(client.connect());
    ASSERT_TRUE(client.greet());
    ASSERT_TRUE(client.waitFrames(10));
    board.stop();
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> log{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(path);
    constexpr size_t kBlock = kAudioPairs * 4;
    ASSERT_GE(log.size(), client.frames.size() * kBlock);
    for (size_t i = 0; i < client.frames.size(); ++i) {
        const uint8_t* audio = client.frames[i].payload.data() + kAudioOffset;
        EXPECT_TRUE(std::equal(audio, audio + kBlock, log.begin() + long(i * kBlock))) << i;
    }
    // The tone, not the programme.
    ToneSynth tone(1000, 40960, 16000);
    std::vector<int16_t> expected(kAudioPairs * 2);
    tone.render(expected.data(), int(kAudioPairs));
    const uint8_t* first = client.frames[0].payload.data() + kAudioOffset;
    for (size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(int16_t(first[2 * i] | first[2 * i + 1] << 8), expected[i]) << i;
}

TEST(SimBoardAudio, ATonePastHalfTheSampleRateIsRefused) {
    SimOptions o;
    o.listen = {"127.0.0.1", 0};
    o.rotator = {"127.0.0.1", 0};
    o.toneHz = 20480;
    SimBoard board(o);
    EXPECT_FALSE(board.start());
    EXPECT_FALSE(board.error().empty());
}
