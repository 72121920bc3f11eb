// The recorder's player beside the live audio: a play holds the live output and a stop lets it go
// on; a file that cannot play leaves the live audio alone; the player is as loud as the
// loudspeaker bar, also when the bar moves during the play.
#include "audio/PlaybackVolume.h"
#include "audio/WavFileHeader.h"
#include "audio/support/ScriptedAudioDevice.h"
#include "session/RecorderPlayback.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace talix;
using namespace talix::session;
using audio::testing::ScriptedAudioDevice;

namespace {

class NoListener : public audio::AudioDeviceListener {
public:
    void deviceOpened() override {}
    void blockDone() override {}
    void deviceClosed() override {}
};

struct RecorderPlaybackTest : ::testing::Test {
    RecorderPlaybackTest() {
        EXPECT_EQ(live.open(std::make_unique<ScriptedAudioDevice>(liveLog), listener, 100),
                  audio::OpenResult::Ok);
    }
    ~RecorderPlaybackTest() override { live.close(); }

    QString recording(int blocks) {
        const QString path = dir.filePath("File0.WAV");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        const auto h = audio::wavFileHeader(uint32_t(blocks) * 2048);
        f.write(reinterpret_cast<const char*>(h.data()), qint64(h.size()));
        f.write(QByteArray(blocks * 2048, 1));
        return path;
    }
    RecorderPlayback playback(audio::OpenResult playerOpens = audio::OpenResult::Ok) {
        return RecorderPlayback(live, [this, playerOpens] {
            return std::make_unique<ScriptedAudioDevice>(playerLog, playerOpens);
        });
    }
    std::vector<std::string> liveCalls() const { return liveLog.calls; }
    static bool has(const std::vector<std::string>& calls, const char* call) {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }

    QTemporaryDir dir;
    ScriptedAudioDevice::Log liveLog, playerLog;
    NoListener listener;
    audio::PlaybackRing live;
};

TEST_F(RecorderPlaybackTest, APlayHoldsTheLiveAudioAtTheLoudspeakersVolumeUntilItStops) {
    RecorderPlayback p = playback();
    ASSERT_TRUE(p.play(recording(40)));
    EXPECT_TRUE(p.playing());
    EXPECT_TRUE(p.holdsLiveAudio());
    EXPECT_TRUE(has(liveCalls(), "pause"));
    ASSERT_FALSE(playerLog.volumes.empty());
    EXPECT_EQ(playerLog.volumes.back(), audio::playbackVolumeLevel(100));

    p.followSpeakerVolume(30); // the loudspeaker bar moves during the play
    EXPECT_EQ(playerLog.volumes.back(), audio::playbackVolumeLevel(30));
    EXPECT_GT(p.duration(), 0);

    p.stop();
    EXPECT_FALSE(p.playing());
    EXPECT_FALSE(p.holdsLiveAudio());
    EXPECT_TRUE(has(liveCalls(), "restart"));
}

TEST_F(RecorderPlaybackTest, WhatCannotPlayLeavesTheLiveAudioAlone) {
    struct Case {
        const char* name;
        bool aRecording;
        audio::OpenResult playerOpens;
    };
    for (const Case c : {Case{"not a recording", false, audio::OpenResult::Ok},
                         Case{"its device does not open", true, audio::OpenResult::Allocated}}) {
        liveLog.calls.clear();
        RecorderPlayback p = playback(c.playerOpens);
        QString path = recording(4);
        if (!c.aRecording) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("not a wave file at all, longer than a header could be.........");
        }
        EXPECT_FALSE(p.play(path)) << c.name;
        EXPECT_FALSE(p.playing()) << c.name;
        EXPECT_FALSE(p.holdsLiveAudio()) << c.name;
        EXPECT_FALSE(has(liveCalls(), "pause") && !has(liveCalls(), "restart")) << c.name;
    }
}

} // namespace
