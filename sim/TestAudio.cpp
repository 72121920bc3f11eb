#include "sim/TestAudio.h"

#include "sim/AudioSynth.h"

namespace talix::sim {

namespace {
constexpr int16_t kToneAmplitude = 16000;
} // namespace

bool TestAudio::setTone(double hz, std::string& error) {
    if (!(hz >= 0 && hz < kSampleRate / 2)) {
        error = "the tone must lie below half the sample rate";
        return false;
    }
    m_tone.reset();
    if (hz > 0)
        m_tone = std::make_unique<ToneSynth>(hz, kSampleRate, kToneAmplitude);
    return true;
}

bool TestAudio::openLog(const std::string& path, std::string& error) {
    if (path.empty() || m_log != nullptr)
        return true;
    m_log = std::fopen(path.c_str(), "wb");
    if (m_log == nullptr) {
        error = "cannot write the audio log " + path;
        return false;
    }
    return true;
}

void TestAudio::closeLog() {
    if (m_log != nullptr)
        std::fclose(m_log);
    m_log = nullptr;
}

void TestAudio::replace(FrameContent& content) {
    if (m_tone)
        m_tone->render(content.audio.data(), int(kAudioPairs));
}

void TestAudio::log(const FrameBytes& frame) {
    if (m_log != nullptr)
        std::fwrite(frame.data() + link::kFrameHeaderLength + kAudioOffset, 1, kAudioPairs * 4,
                    m_log);
}

} // namespace talix::sim
