#include "session/RecorderPlayback.h"

#include "audio/PlaybackVolume.h"

namespace talix::session {

static_assert(PlaybackPort::kTimeUnitsPerSecond == audio::WavPlayer::kTimeUnitsPerSecond);

RecorderPlayback::RecorderPlayback(audio::PlaybackRing& live,
                                   audio::WavPlayer::DeviceFactory device)
    : m_live(live), m_player(std::move(device)) {}

bool RecorderPlayback::play(const QString& path) {
    if (m_player.playing() || !m_player.open(path))
        return false;
    followSpeakerVolume(m_live.speakerVolume());
    holdLiveAudio(true);
    if (!m_player.play()) {
        holdLiveAudio(false);
        return false;
    }
    return true;
}

void RecorderPlayback::stop() {
    m_player.stop();
    holdLiveAudio(false);
}

void RecorderPlayback::release() {
    m_player.release();
}

void RecorderPlayback::followSpeakerVolume(std::uint8_t speakerVolume) {
    m_player.setVolume(audio::playbackVolumeLevel(speakerVolume));
}

void RecorderPlayback::holdLiveAudio(bool hold) {
    if (hold == m_holding)
        return;
    m_holding = hold;
    if (!m_live.hasDevice())
        return;
    if (hold)
        m_live.pause();
    else
        m_live.restart();
}

} // namespace talix::session
