#pragma once

#include <QByteArray>
#include <vector>

namespace talix::audio::testing {

// One channel (0 left, 1 right) of interleaved 16-bit stereo PCM.
std::vector<double> pcmChannel(const QByteArray& pcm, int channel);
// The stretch of samples louder than `threshold`, from the first such sample to the last.
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t size() const { return end - begin; }
};
Span loudSpan(const std::vector<double>& samples, double threshold);
// Signal power at one frequency (Goertzel).
double tonePower(const std::vector<double>& samples, double frequency, double sampleRate);
// The frequency between `low` and `high` with the most power, to about 1 Hz.
double dominantFrequency(const std::vector<double>& samples, double sampleRate, double low,
                         double high);
double peakAmplitude(const std::vector<double>& samples);

// Interleaved 16-bit stereo sine tones, `frames` sample pairs from `firstFrame` on, so that
// consecutive calls continue the waves without a jump.
std::vector<std::uint8_t> stereoTone(double leftHz, double rightHz, double amplitude,
                                     long long firstFrame, int frames, double sampleRate);

} // namespace talix::audio::testing
