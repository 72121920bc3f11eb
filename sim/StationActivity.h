#pragma once

#include "sim/BandPlan.h"

#include <cstdint>
#include <vector>

namespace talix::sim {

// What a station is doing at time t (seconds of board time): every answer is a pure function of
// the station and t, so that the spectrum and the audio agree and a seed replays the same way.
namespace activity {

// Slow fading, 0 dB down to -fadeDepthDb.
double fadingDb(const Station& s, double t);
// CW beacons: key down. Others: always true.
bool keyDown(const Station& s, double t);
// Speech stations: 0..1, the loudness of the current syllable (0 in pauses and between overs).
double voiceEnvelope(const Station& s, double t);
// Broadcast programme loudness, 0..1.
double programmeLevel(const Station& s, double t);
// Whether the station's transmitter is on the air (NFM repeaters transmit in overs).
bool onAir(const Station& s, double t);
// Power at the antenna, dBm, of what the station sends at t (carrier or peak envelope).
double powerDbm(const Station& s, double t);

// Morse pattern of a text, one entry per dot unit (true = key down), ending with a word gap.
std::vector<bool> morseUnits(const std::string& text);

// A smooth pseudo-random value in [0, 1) that depends on (seed, index).
double hash01(uint32_t seed, uint64_t index);

} // namespace activity
} // namespace talix::sim
