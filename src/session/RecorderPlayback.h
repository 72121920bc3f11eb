#pragma once

#include "audio/PlaybackRing.h"
#include "audio/WavPlayer.h"
#include "session/PlaybackPort.h"

namespace talix::session {

// The recorder's media player beside the live audio's ring: playing holds the ring's output where
// it is, stopping lets it go on. UI thread only.
class RecorderPlayback : public PlaybackPort {
public:
    RecorderPlayback(audio::PlaybackRing& live, audio::WavPlayer::DeviceFactory device);

    bool play(const QString& path) override;
    void stop() override;
    void release() override;
    bool playing() const override { return m_player.playing(); }
    std::int64_t position() const override { return m_player.currentTime(); }
    std::int64_t duration() const override { return m_player.duration(); }
    void seek(std::int64_t time) override { m_player.setCurrentTime(time); }

    // The loudspeaker bar moved: a playing recording follows it.
    void followSpeakerVolume(std::uint8_t speakerVolume);
    // The live audio is held for the player (from play() until stop()).
    bool holdsLiveAudio() const { return m_holding; }
    // For tests: holds or releases the live audio as a play and a stop would.
    void holdLiveAudio(bool hold);

private:
    audio::PlaybackRing& m_live;
    audio::WavPlayer m_player;
    bool m_holding = false;
};

} // namespace talix::session
