#pragma once

#include "sim/FrameWriter.h"
#include "sim/ToneSynth.h"

#include <cstdio>
#include <memory>
#include <string>

namespace talix::sim {

// The audio tests listen for: a pure tone in place of the receiver's programme, and a log that
// takes the audio of every frame sent, as raw PCM in order.
class TestAudio {
public:
    TestAudio() = default;
    ~TestAudio() { closeLog(); }
    TestAudio(const TestAudio&) = delete;
    TestAudio& operator=(const TestAudio&) = delete;

    // 0: the programme plays; otherwise a tone below half the sample rate (false otherwise).
    bool setTone(double hz, std::string& error);
    // Opens the log once (an empty path: none); false with the reason when it cannot be written.
    bool openLog(const std::string& path, std::string& error);
    void closeLog();

    // Puts the tone in place of the frame's audio, when there is one.
    void replace(FrameContent& content);
    // Appends the audio of a frame as it is sent.
    void log(const FrameBytes& frame);

private:
    std::unique_ptr<ToneSynth> m_tone;
    std::FILE* m_log = nullptr;
};

} // namespace talix::sim
