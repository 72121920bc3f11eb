#pragma once

#include "audio/AudioDevice.h"

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>

class QAudioSink;
class QIODevice;

namespace talix::audio {

// The `qt` device: the desktop's default audio output through QAudioSink (PulseAudio or
// PipeWire underneath). Blocks are pushed to the sink as it has room; a block is done when the
// sink reports it has played past the block's end. If the stream stops for good (the sound server
// went away), the blocks held are returned as done and the stream is opened again later, so the
// writer never waits for blocks that cannot play.
class QtAudioDevice : public AudioDevice {
public:
    QtAudioDevice();
    ~QtAudioDevice() override;

    OpenResult open(AudioDeviceListener& listener) override;
    void write(WaveHeader& header) override;
    void setVolume(std::uint16_t level) override;
    void pause() override;
    void restart() override;
    void reset() override;
    void close() override;

    // How much audio the sink holds ahead of what has been heard (its target buffer).
    static constexpr int kSinkBufferBytes = 16384;
    // While blocks are held, the device wakes when the oldest is due to have been heard, and at
    // least this often to keep the sink filled.
    static constexpr std::chrono::milliseconds kPumpInterval{10};

private:
    struct Held {
        WaveHeader* header;
        std::int64_t end; // stream position just past the block, once fully written
    };
    using Clock = std::chrono::steady_clock;

    bool startStream();
    void stopStream();
    void pump();
    void writePending();
    void completePlayed();
    void scheduleNextPump();
    void returnAll();
    std::int64_t playedBytes() const;

    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_io = nullptr; // owned by m_sink
    QTimer m_pumpTimer;
    AudioDeviceListener* m_listener = nullptr;
    std::deque<Held> m_held;
    std::size_t m_writeIndex = 0;    // first held block not completely written
    std::uint32_t m_writeOffset = 0; // bytes of that block already written
    std::int64_t m_streamBytes = 0;  // written to the current stream
    std::int64_t m_lastPlayed = -1;
    Clock::time_point m_lastProgress{};
    Clock::time_point m_lastStartAttempt{};
    std::uint16_t m_volume = 0xFFFF;
    bool m_paused = false;
    bool m_streamFailed = false;
};

} // namespace talix::audio
