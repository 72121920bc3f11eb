#include "audio/support/ToneAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace talix::audio::testing {

std::vector<double> pcmChannel(const QByteArray& pcm, int channel) {
    std::vector<double> out;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(pcm.constData());
    for (qsizetype i = channel * 2; i + 1 < pcm.size(); i += 4)
        out.push_back(static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8));
    return out;
}

Span loudSpan(const std::vector<double>& samples, double threshold) {
    Span span;
    const auto loud = [threshold](double s) { return std::abs(s) > threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end())
        return span;
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud);
    span.begin = static_cast<std::size_t>(first - samples.begin());
    span.end = static_cast<std::size_t>(samples.rend() - last);
    return span;
}

double tonePower(const std::vector<double>& samples, double frequency, double sampleRate) {
    const double coeff = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / sampleRate);
    double s1 = 0;
    double s2 = 0;
    for (double x : samples) {
        const double s0 = x + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - coeff * s1 * s2;
}

double dominantFrequency(const std::vector<double>& samples, double sampleRate, double low,
                         double high) {
    auto best = [&](double from, double to, double step) {
        double bestF = from;
        double bestP = -1;
        for (double f = from; f <= to; f += step) {
            const double p = tonePower(samples, f, sampleRate);
            if (p > bestP) {
                bestP = p;
                bestF = f;
            }
        }
        return bestF;
    };
    const double coarse = best(low, high, 10.0);
    return best(std::max(low, coarse - 10.0), std::min(high, coarse + 10.0), 0.5);
}

double peakAmplitude(const std::vector<double>& samples) {
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

std::vector<std::uint8_t> stereoTone(double leftHz, double rightHz, double amplitude,
                                     long long firstFrame, int frames, double sampleRate) {
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(frames) * 4);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(firstFrame + i) / sampleRate;
        for (double hz : {leftHz, rightHz}) {
            const auto v = static_cast<std::int16_t>(
                std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hz * t)));
            const auto u = static_cast<std::uint16_t>(v);
            out.push_back(static_cast<std::uint8_t>(u));
            out.push_back(static_cast<std::uint8_t>(u >> 8));
        }
    }
    return out;
}

} // namespace talix::audio::testing
