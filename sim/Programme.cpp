#include "sim/Programme.h"

#include "sim/StationActivity.h"

#include <cmath>

namespace talix::sim {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kPentatonic[] = {0, 2, 4, 7, 9};
constexpr int kRoots[] = {0, 5, 7, 3};

struct Vowel {
    double f1, f2, f3;
};
constexpr Vowel kVowels[] = {
    {730, 1090, 2440}, {530, 1840, 2480}, {270, 2290, 3010}, {570, 840, 2410}, {300, 870, 2240}};

double midiHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12);
}

double formant(double hz, double centre, double width) {
    const double d = (hz - centre) / width;
    return std::exp(-d * d);
}

// Broadcast music: a melody with harmonics, a bass line, a chord pad and a hi-hat.
void music(const Station& s, double t, PartialSet& out) {
    const double bpm = 90 + 50 * activity::hash01(s.seed, 10);
    const double beat = 60 / bpm;
    const int key = 50 + int(activity::hash01(s.seed, 11) * 10);
    const double level = activity::programmeLevel(s, t);

    // Melody: eighth notes, some of them rests.
    const double eighth = beat / 2;
    const auto n = uint64_t(t / eighth);
    const double pos = t - double(n) * eighth;
    if (activity::hash01(s.seed, 20000 + n) > 0.15) {
        const int degree = int(activity::hash01(s.seed, 30000 + n / 2) * 10);
        const double note = key + 12 + kPentatonic[degree % 5] + 12 * (degree / 5);
        const double env = std::min(1.0, pos / 0.01) * std::exp(-pos / 0.25);
        constexpr double kHarmonics[] = {1, 0.5, 0.3, 0.15};
        for (int h = 0; h < 4; ++h)
            out.slot[size_t(h)] = {midiHz(note) * (h + 1), 0.35 * env * kHarmonics[h] * level, 0.3};
    }
    // Bass on every beat, the root of a four-bar progression.
    const auto b = uint64_t(t / beat);
    const double bpos = t - double(b) * beat;
    const int root = kRoots[(b / 4) % 4];
    const double benv = std::min(1.0, bpos / 0.01) * std::exp(-bpos / 0.35);
    out.slot[4] = {midiHz(key - 12 + root), 0.3 * benv * level, 0.7};
    out.slot[5] = {midiHz(key + root), 0.12 * benv * level, 0.7};
    // Pad: the chord of the bar, held.
    const int third = (b / 4) % 2 ? 3 : 4;
    const int chord[] = {0, third, 7};
    for (int i = 0; i < 3; ++i)
        out.slot[size_t(6 + i)] = {midiHz(key + 12 + root + chord[i]), 0.07 * level, 0.5};
    // Hi-hat on the off-beats.
    const double hpos = std::fmod(t + beat / 2, beat);
    out.noiseAmp = 0.06 * std::exp(-hpos / 0.03) * level;
}

// Speech: voiced syllables with formants, a burst of noise at each syllable's start.
void speech(const Station& s, double t, double envelope, PartialSet& out) {
    if (envelope <= 0)
        return;
    constexpr double kSlot = 0.22;
    const auto n = uint64_t(t / kSlot);
    const double pos = std::fmod(t, kSlot) / kSlot;
    const bool low = activity::hash01(s.seed, 12) < 0.6;
    const double f0 = (low ? 115 : 205) * (0.9 + 0.2 * activity::hash01(s.seed, 40000 + n)) *
                      (1 + 0.06 * std::sin(kPi * pos));
    const Vowel& v = kVowels[size_t(activity::hash01(s.seed, 50000 + n) * 5) % 5];
    for (int k = 1; k <= kProgrammeSlots; ++k) {
        const double hz = f0 * k;
        if (hz > 3200)
            break;
        const double a = formant(hz, v.f1, 120) + 0.7 * formant(hz, v.f2, 160) +
                         0.3 * formant(hz, v.f3, 220) + 0.04;
        out.slot[size_t(k - 1)] = {hz, 0.45 * envelope * a / std::sqrt(double(k)), 0.5};
    }
    out.noiseAmp = pos < 0.15 ? 0.08 * envelope : 0;
}

} // namespace

void programmeAt(const Station& s, double t, PartialSet& out) {
    out = PartialSet{};
    switch (s.kind) {
    case StationKind::AmBroadcast:
    case StationKind::FmBroadcast:
        if (s.music)
            music(s, t, out);
        else
            speech(s, t, activity::programmeLevel(s, t) * activity::voiceEnvelope(s, t), out);
        return;
    case StationKind::SsbVoice:
    case StationKind::NfmVoice:
        speech(s, t, activity::voiceEnvelope(s, t), out);
        return;
    case StationKind::TimeSignal: {
        // A 5 ms tick of 1 kHz each second, none in the 59th second.
        const double sec = std::fmod(t, 60);
        const double pos = std::fmod(t, 1.0);
        if (sec < 59 && pos < 0.005)
            out.slot[0] = {1000, 0.8, 0.5};
        return;
    }
    case StationKind::CwBeacon:
        return;
    }
}

} // namespace talix::sim
