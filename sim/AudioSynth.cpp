#include "sim/AudioSynth.h"

#include "sim/RfScene.h"
#include "sim/StationActivity.h"

#include <algorithm>
#include <cmath>

namespace talix::sim {

namespace {

constexpr double kTarget = 0.28;        // output amplitude the gain control aims at
constexpr double kProgrammeGain = 2.5;  // audio gain behind the envelope detector
constexpr double kHissShare = 0.5;      // hiss at the target level sounds this loud
constexpr double kFmQuietingDbm = -112; // FM: below this the hiss takes over
constexpr double kEdgeHz = 150;         // filter skirts of the passband

// 1 inside [lo, hi], falling to 0 over kEdgeHz outside.
double passGain(double hz, double lo, double hi) {
    if (hz >= lo && hz <= hi)
        return 1;
    const double d = hz < lo ? lo - hz : hz - hi;
    return d >= kEdgeHz ? 0 : 1 - d / kEdgeHz;
}

} // namespace

AudioSynth::AudioSynth(uint32_t seed) : m_noiseState(0x2545F4914F6CDD1Dull ^ seed) {}

float AudioSynth::nextNoise() {
    m_noiseState ^= m_noiseState << 13;
    m_noiseState ^= m_noiseState >> 7;
    m_noiseState ^= m_noiseState << 17;
    const auto a = float(m_noiseState & 0xFFFF) / 65536.0f;
    const auto b = float(m_noiseState >> 16 & 0xFFFF) / 65536.0f;
    return (a + b - 1.0f) * 1.7f;
}

void AudioSynth::updateTargets(const BandPlan& plan, const TuningView& view, double t) {
    for (auto& [index, sv] : m_stations) {
        sv.seen = false;
        for (auto& v : sv.voice)
            v.target = 0;
        sv.noiseTarget = 0;
    }
    const Demod demod = demodOf(view.mode, view.tunedHz);
    double signalMw = 0;
    const double totalMw = rf::passbandMw(plan, view, t, &signalMw);
    const double noiseMw = totalMw - signalMw;

    // Gain: the automatic control holds the passband at the target level, down to its limit.
    double gain;
    if (demod == Demod::Fm)
        gain = 1;
    else if (view.agcAuto)
        gain = kTarget / std::sqrt(std::max(totalMw, rf::dbmToMw(view.agcLimitDbm)));
    else
        gain = kTarget / std::sqrt(rf::dbmToMw(-60 - view.rfGainDb + 40));

    const double lo = view.rf.lowHz;
    const double hi = view.rf.highHz;
    const double reach = std::max(std::abs(lo), std::abs(hi)) + 6000;
    const auto [first, last] = plan.between(view.tunedHz - int64_t(reach) - 150'000,
                                            view.tunedHz + int64_t(reach) + 150'000);
    PartialSet programme;
    double fmCarrierMw = 0;
    for (size_t i = first; i < last; ++i) {
        const Station& s = plan.stations()[i];
        const double offset = double(s.freqHz - view.tunedHz); // carrier's place in the passband
        const bool fmStation =
            s.kind == StationKind::FmBroadcast || s.kind == StationKind::NfmVoice;
        if (std::abs(offset) > reach &&
            !(fmStation && demod == Demod::Fm && std::abs(offset) < view.bandwidthHz / 2))
            continue;
        const double p = rf::dbmToMw(activity::powerDbm(s, t) + view.frontEndGainDb);
        if (p <= 0 && s.kind != StationKind::SsbVoice && s.kind != StationKind::NfmVoice)
            continue;
        programmeAt(s, t, programme);
        StationVoices& sv = m_stations[i];
        sv.seen = true;
        const double stationAmp = std::sqrt(std::max(p, 0.0));

        if (demod == Demod::Fm) {
            // FM captures the strongest carrier near the centre; its level does not matter above
            // the quieting point.
            if (!fmStation || std::abs(offset) > view.bandwidthHz / 2 || p <= 0)
                continue;
            fmCarrierMw = std::max(fmCarrierMw, p);
            const double detune = std::abs(offset) / (view.bandwidthHz / 2);
            const double quality = std::clamp(1.2 - detune, 0.0, 1.0);
            const double snr = p / rf::dbmToMw(kFmQuietingDbm);
            const double level = kTarget * 1.6 * quality * snr / (1 + snr);
            for (int k = 0; k < kProgrammeSlots; ++k) {
                const Partial& part = programme.slot[size_t(k)];
                Voice& v = sv.voice[size_t(k)];
                v.increment = SineTable::increment(part.hz, kSampleRate);
                v.target = float(level * part.amp);
                v.pan = view.stereo && s.kind == StationKind::FmBroadcast ? float(part.pan) : 0.5f;
            }
            sv.noiseTarget = float(level * programme.noiseAmp);
            continue;
        }

        if (demod == Demod::Am) {
            // The envelope detector needs the carrier inside the passband; it then gives the
            // programme itself, both sidebands adding up.
            if (s.kind == StationKind::AmBroadcast || s.kind == StationKind::TimeSignal) {
                const double carrierGain = passGain(offset, lo, hi);
                for (int k = 0; k < kProgrammeSlots && carrierGain > 0; ++k) {
                    const Partial& part = programme.slot[size_t(k)];
                    const double sidebands = 0.5 * (passGain(offset + part.hz, lo, hi) +
                                                    passGain(offset - part.hz, lo, hi));
                    Voice& v = sv.voice[size_t(k)];
                    v.increment = SineTable::increment(part.hz, kSampleRate);
                    v.target = float(gain * stationAmp * carrierGain * sidebands *
                                     rf::kModulationDepth * kProgrammeGain * part.amp);
                    v.pan = 0.5f;
                }
                sv.noiseTarget = float(gain * stationAmp * carrierGain * rf::kModulationDepth *
                                       programme.noiseAmp);
                continue;
            }
            if (s.kind != StationKind::SsbVoice)
                continue; // a carrier alone gives no tone through an envelope detector
        }

        // Product detector: every RF component becomes a tone at its distance from the
        // (offset) beat oscillator.
        const double sign = demod == Demod::Lsb ? -1 : 1;
        const double pitch = demod == Demod::Cw ? kCwPitchHz : 0;
        rf::components(s, t, programme, [&](const rf::Component& c) {
            const double rfOffset = offset + c.offsetHz;
            const double audio = sign * rfOffset + pitch;
            const double pass = passGain(rfOffset, lo, hi);
            if (pass <= 0 || audio < 20 || audio > kSampleRate / 2 - 200)
                return;
            const int index = c.slot < 0 ? kVoices - 1 : c.slot + (c.lower ? kProgrammeSlots : 0);
            Voice& v = sv.voice[size_t(index)];
            v.increment = SineTable::increment(audio, kSampleRate);
            const double detector = c.slot < 0 ? 1 : kProgrammeGain;
            v.target = float(gain * stationAmp * c.amp * pass * detector);
            v.pan = 0.5f;
        });
        if (s.kind == StationKind::AmBroadcast)
            sv.noiseTarget = float(gain * stationAmp * rf::kModulationDepth * programme.noiseAmp *
                                   passGain(offset, lo - 3000, hi + 3000) * 0.5);
    }

    // The notch takes out tones near its frequency.
    if (view.notchWidthHz > 0) {
        for (auto& [index, sv] : m_stations) {
            for (auto& v : sv.voice) {
                const double hz = double(v.increment) / 4294967296.0 * kSampleRate;
                if (std::abs(hz - view.notchHz) < view.notchWidthHz / 2)
                    v.target *= 0.03f;
            }
        }
    }

    // Hiss: the noise in the passband through the same gain; FM quiets it with a carrier.
    double hiss;
    if (demod == Demod::Fm) {
        const double snr = fmCarrierMw / rf::dbmToMw(kFmQuietingDbm);
        hiss = kTarget * 0.9 / (1 + snr * snr);
    } else {
        hiss = gain * std::sqrt(noiseMw) * kHissShare;
    }
    hiss *= std::pow(10.0, -1.2 * view.dnr / 20);
    m_hissTarget = float(std::min(hiss, 0.6));
    m_noiseCutoff =
        float(std::clamp(2 * 3.14159 * std::max(200.0, hi - lo) / kSampleRate, 0.05, 1.0));
    const double level = rf::mwToDbm(totalMw);
    m_squelchTarget = level < view.squelchDbm ? 0.0f : 1.0f;

    for (auto it = m_stations.begin(); it != m_stations.end();) {
        const bool silent = std::all_of(it->second.voice.begin(), it->second.voice.end(),
                                        [](const Voice& v) { return v.amp == 0 && v.target == 0; });
        if (!it->second.seen && silent && it->second.noise == 0)
            it = m_stations.erase(it);
        else
            ++it;
    }
}

void AudioSynth::render(const BandPlan& plan, const TuningView& view, uint64_t clock, int16_t* out,
                        int pairs) {
    for (int start = 0; start < pairs; start += kBlock) {
        const int n = std::min(kBlock, pairs - start);
        updateTargets(plan, view, double(clock + uint64_t(start)) / kSampleRate);
        const float step = 1.0f / float(n);
        std::array<float, kBlock> left{};
        std::array<float, kBlock> right{};
        for (auto& [index, sv] : m_stations) {
            for (auto& v : sv.voice) {
                if (v.amp == 0 && v.target == 0)
                    continue;
                const float delta = (v.target - v.amp) * step;
                const float l = std::sqrt(2 * (1 - v.pan));
                const float r = std::sqrt(2 * v.pan);
                for (int i = 0; i < n; ++i) {
                    const float s = v.amp * m_sine(v.phase);
                    left[size_t(i)] += s * l;
                    right[size_t(i)] += s * r;
                    v.phase += v.increment;
                    v.amp += delta;
                }
                v.amp = v.target;
            }
            if (sv.noise != 0 || sv.noiseTarget != 0) {
                const float delta = (sv.noiseTarget - sv.noise) * step;
                for (int i = 0; i < n; ++i) {
                    const float s = sv.noise * nextNoise();
                    left[size_t(i)] += s;
                    right[size_t(i)] += s;
                    sv.noise += delta;
                }
                sv.noise = sv.noiseTarget;
            }
        }
        const float hissDelta = (m_hissTarget - m_hiss) * step;
        const float squelchDelta = (m_squelchTarget - m_squelch) * step;
        for (int i = 0; i < n; ++i) {
            m_noiseLow += m_noiseCutoff * (nextNoise() - m_noiseLow);
            const float hiss = m_hiss * m_noiseLow * 1.4f;
            m_hiss += hissDelta;
            const float gate = m_squelch;
            m_squelch += squelchDelta;
            const auto clip = [](float x) {
                return int16_t(std::lround(std::clamp(x, -1.0f, 1.0f) * 32000.0f));
            };
            out[2 * (start + i)] = clip((left[size_t(i)] + hiss) * gate);
            out[2 * (start + i) + 1] = clip((right[size_t(i)] + hiss) * gate);
        }
        m_hiss = m_hissTarget;
        m_squelch = m_squelchTarget;
    }
}

} // namespace talix::sim
