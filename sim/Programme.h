#pragma once

#include "sim/BandPlan.h"

#include <array>

namespace talix::sim {

// One component of what a station modulates onto its carrier: an audio frequency and its
// amplitude (relative to full modulation), and a stereo position 0 (left) .. 1 (right).
struct Partial {
    double hz = 0;
    double amp = 0;
    double pan = 0.5;
};

constexpr int kProgrammeSlots = 24;

// The modulating signal of a station at time t. Slots keep their meaning from one call to the
// next (a note's harmonics, a voice's harmonics), so that an oscillator per slot stays continuous.
struct PartialSet {
    std::array<Partial, kProgrammeSlots> slot{};
    double noiseAmp = 0; // percussion and consonants, as noise
};

void programmeAt(const Station& s, double t, PartialSet& out);

} // namespace talix::sim
