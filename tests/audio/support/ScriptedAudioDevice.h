#pragma once

#include "audio/AudioDevice.h"

#include <deque>
#include <string>
#include <vector>

namespace talix::audio::testing {

// A device driven by the test: it takes blocks as a sound card would (marks them queued) and
// plays the oldest one only when the test says so. Every call is logged.
class ScriptedAudioDevice : public AudioDevice {
public:
    struct Log {
        std::vector<std::string> calls;
        std::vector<WaveHeader*> written;              // in order of write()
        std::vector<std::vector<std::uint8_t>> played; // block contents, in order of playing
        std::vector<std::uint16_t> volumes;
    };

    explicit ScriptedAudioDevice(Log& log, OpenResult openResult = OpenResult::Ok)
        : m_log(log), m_openResult(openResult) {}

    OpenResult open(AudioDeviceListener& listener) override;
    void write(WaveHeader& header) override;
    void setVolume(std::uint16_t level) override;
    void pause() override { m_log.calls.push_back("pause"); }
    void restart() override { m_log.calls.push_back("restart"); }
    void reset() override;
    void close() override;

    // Plays the oldest queued block and reports it done; false when none is queued.
    bool playOne();
    std::size_t queued() const { return m_queue.size(); }

private:
    Log& m_log;
    OpenResult m_openResult;
    AudioDeviceListener* m_listener = nullptr;
    std::deque<WaveHeader*> m_queue;
};

} // namespace talix::audio::testing
