// The simulated antenna, audio and spectrum: deterministic, consistent with one another, and
// continuous across frames.
#include "sim/AudioSynth.h"
#include "sim/BandPlan.h"
#include "sim/ModeFilters.h"
#include "sim/RfScene.h"
#include "sim/SpectrumSynth.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>

using namespace talix::sim;

namespace {

TuningView viewAt(int64_t hz, uint8_t mode, double bandwidth, double binHz = 100) {
    TuningView v;
    v.tunedHz = hz;
    v.mode = mode;
    v.bandwidthHz = bandwidth;
    v.rf = passbandOf(mode, hz, bandwidth, 0);
    v.binHz = binHz;
    return v;
}

// Power of one frequency in a block of left-channel samples (Goertzel).
double toneLevel(const std::vector<int16_t>& interleaved, double hz) {
    const double w = 2 * M_PI * hz / kSampleRate;
    double s1 = 0, s2 = 0;
    for (size_t i = 0; i < interleaved.size(); i += 2) {
        const double s = interleaved[i] + 2 * std::cos(w) * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2;
}

std::vector<int16_t> renderFrames(AudioSynth& synth, const BandPlan& plan, const TuningView& v,
                                  int frames, uint64_t start = 0) {
    std::vector<int16_t> out(size_t(frames) * 1024);
    for (int f = 0; f < frames; ++f)
        synth.render(plan, v, start + uint64_t(f) * 512, out.data() + f * 1024, 512);
    return out;
}

} // namespace

TEST(BandPlan, SameSeedSamePlanOtherSeedOtherPlan) {
    const BandPlan a(5), b(5), c(6);
    ASSERT_EQ(a.stations().size(), b.stations().size());
    for (size_t i = 0; i < a.stations().size(); ++i) {
        EXPECT_EQ(a.stations()[i].freqHz, b.stations()[i].freqHz);
        EXPECT_EQ(a.stations()[i].ident, b.stations()[i].ident);
    }
    bool differs = a.stations().size() != c.stations().size();
    for (size_t i = 0; !differs && i < a.stations().size(); ++i)
        differs = a.stations()[i].freqHz != c.stations()[i].freqHz;
    EXPECT_TRUE(differs);
}

TEST(BandPlan, StationsAreSortedWithinTheTunableBandsAndCoverEveryKind) {
    const BandPlan plan(1);
    std::set<StationKind> kinds;
    int64_t last = 0;
    for (const Station& s : plan.stations()) {
        EXPECT_GE(s.freqHz, last);
        last = s.freqHz;
        const int64_t f = s.freqHz * 10; // the program's units
        EXPECT_TRUE(f <= 300'000'000 || (f >= 500'000'000 && f <= 710'000'000) ||
                    (f >= 870'000'000 && f <= 1'100'000'000) ||
                    (f >= 1'300'000'000 && f <= 1'560'000'000))
            << s.freqHz;
        kinds.insert(s.kind);
        if (s.kind == StationKind::FmBroadcast) {
            EXPECT_EQ(s.rds.pi.size(), 4u);
            EXPECT_EQ(s.rds.ps.size(), 8u);
            EXPECT_FALSE(s.rds.radioText.empty());
        }
    }
    EXPECT_EQ(kinds.size(), 6u);
}

struct PassbandCase {
    const char* name;
    uint8_t mode;
    int64_t tunedHz;
    double low, high;
};

class Passbands : public ::testing::TestWithParam<PassbandCase> {};

TEST_P(Passbands, FollowTheSideband) {
    const auto& c = GetParam();
    const Passband p = passbandOf(c.mode, c.tunedHz, 2400, 0);
    EXPECT_DOUBLE_EQ(p.lowHz, c.low);
    EXPECT_DOUBLE_EQ(p.highHz, c.high);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Passbands,
    ::testing::Values(PassbandCase{"usb", talix::board::kModeUsb, 14'200'000, 0, 2400},
                      PassbandCase{"lsb", talix::board::kModeLsb, 7'100'000, -2400, 0},
                      PassbandCase{"am", talix::board::kModeAmE, 6'000'000, -1200, 1200},
                      PassbandCase{"cw", talix::board::kModeCw, 7'000'000, -1200, 1200},
                      PassbandCase{"sbcwAbove10MHz", talix::board::kModeSbcw, 14'000'000, 0, 2400},
                      PassbandCase{"sbcwBelow10MHz", talix::board::kModeSbcw, 7'000'000, -2400, 0},
                      PassbandCase{"digi", talix::board::kModeDigi, 14'070'000, 0, 2400}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Modes, BandwidthCellsFollowThePickLists) {
    uint16_t v = 0;
    EXPECT_TRUE(bandwidthForPosition(talix::board::kModeAmE, true, 14, v));
    EXPECT_EQ(v, 20000);
    EXPECT_TRUE(bandwidthForPosition(talix::board::kModeUsbQ, true, 0, v));
    EXPECT_EQ(v, 1500);
    EXPECT_TRUE(bandwidthForPosition(talix::board::kModeDigi, true, 5, v));
    EXPECT_EQ(v, 4000);
    EXPECT_FALSE(bandwidthForPosition(talix::board::kModeDigi, true, 6, v));
    EXPECT_FALSE(bandwidthForPosition(talix::board::kModeFmWide, false, 0, v))
        << "38k S only in the full list";
    EXPECT_TRUE(bandwidthForPosition(talix::board::kModeFmWide, true, 0, v));
    EXPECT_EQ(v, 0);
    EXPECT_DOUBLE_EQ(bandwidthHz(talix::board::kModeFmWide, 7), 300000);
    EXPECT_FALSE(bandwidthForPosition(talix::board::kModeAmE, true, 15, v));
}

TEST(SpectrumSynth, CarrierStandsAtItsBinAboveTheNoise) {
    const BandPlan plan(1);
    SpectrumSynth synth(1);
    DisplayScale scale;
    // 10 MHz time signal, tuned 3 kHz above it at 100 Hz per bin.
    const TuningView v = viewAt(10'003'000, talix::board::kModeAmE, 8000);
    const SpectrumGeometry g{v.tunedHz, v.binHz};
    std::vector<double> sums(kSpectrumBins, 0);
    std::array<uint16_t, kSpectrumBins> line{};
    for (int f = 0; f < 20; ++f) {
        synth.render(plan, v, scale, SpectrumSynth::Filter::Off, 0, 1000, f / 80.0, line);
        for (size_t i = 0; i < kSpectrumBins; ++i)
            sums[i] += line[i];
    }
    const int expected = g.binOf(10'000'000);
    EXPECT_EQ(expected, 511 - 30);
    EXPECT_EQ(std::max_element(sums.begin(), sums.end()) - sums.begin(), expected);
    std::vector<double> sorted = sums;
    std::nth_element(sorted.begin(), sorted.begin() + 512, sorted.end());
    EXPECT_GT(sums[size_t(expected)] / 20, sorted[512] / 20 + 40) << "well above the noise";
}

TEST(SpectrumSynth, NoiseFollowsTheBinWidthAndTheScale) {
    const BandPlan plan(1);
    const auto medianAt = [&](double binHz, DisplayScale scale) {
        SpectrumSynth synth(3);
        std::array<uint16_t, kSpectrumBins> line{};
        // An empty stretch of 30 m between the beacons' band and the broadcasters.
        synth.render(plan, viewAt(10'500'000, talix::board::kModeUsb, 2400, binHz), scale,
                     SpectrumSynth::Filter::Average, 3, 1000, 0, line);
        std::vector<uint16_t> v(line.begin(), line.end());
        std::nth_element(v.begin(), v.begin() + 512, v.end());
        return double(v[512]);
    };
    DisplayScale fine;
    fine.topDbm = -60;
    const double narrow = medianAt(10, fine);
    const double wide = medianAt(1000, fine);
    // 20 dB more noise per bin at 100 times the bin width: 80 rows at 10 dB per division.
    EXPECT_NEAR(wide - narrow, 80, 12);
    DisplayScale coarse = fine;
    coarse.dbPerDiv = 20;
    EXPECT_NEAR(medianAt(1000, coarse), (wide) / 2 + 160, 12);
}

TEST(SpectrumSynth, GeometryOfThePassband) {
    const SpectrumGeometry g{6'070'000, 100};
    EXPECT_EQ(g.passbandLo(-4000), 471);
    EXPECT_EQ(g.passbandHi(4000), 552);
    EXPECT_EQ(g.passbandLo(0), 511);
    EXPECT_EQ(g.passbandLo(-1e6), 0);
    EXPECT_EQ(g.passbandHi(1e6), 1024);
    EXPECT_DOUBLE_EQ(g.binCentreHz(g.binOf(6'080'000)), 6'080'000);
}

TEST(AudioSynth, FramesJoinExactlyAsOneLongRender) {
    const BandPlan plan(1);
    const TuningView v = viewAt(6'070'000, talix::board::kModeAmE, 8000);
    AudioSynth whole(9), pieces(9);
    std::vector<int16_t> one(4 * 1024);
    whole.render(plan, v, 0, one.data(), 4 * 512);
    EXPECT_EQ(renderFrames(pieces, plan, v, 4), one);
}

TEST(AudioSynth, NoStepsAtFrameEdgesWhileRetuning) {
    const BandPlan plan(1);
    AudioSynth synth(2);
    std::vector<int16_t> out;
    // Tune across the 10 MHz time signal in USB: the beat tone sweeps, the level changes.
    for (int f = 0; f < 80; ++f) {
        const TuningView v = viewAt(10'000'000 - 3000 + f * 50, talix::board::kModeUsb, 2700);
        const auto frame = renderFrames(synth, plan, v, 1, uint64_t(f) * 512);
        out.insert(out.end(), frame.begin(), frame.end());
    }
    int widestInside = 0, widestAtEdge = 0;
    for (size_t i = 2; i < out.size(); i += 2) {
        const int jump = std::abs(out[i] - out[i - 2]);
        ((i / 2) % 512 == 0 ? widestAtEdge : widestInside) =
            std::max((i / 2) % 512 == 0 ? widestAtEdge : widestInside, jump);
    }
    EXPECT_LE(widestAtEdge, widestInside);
}

TEST(AudioSynth, CarrierBeatsAtItsDistanceInSsb) {
    const BandPlan plan(1);
    AudioSynth synth(4);
    // USB tuned 1 kHz below the 10 MHz carrier: a 1 kHz tone between the ticks.
    const auto audio =
        renderFrames(synth, plan, viewAt(9'999'000, talix::board::kModeUsb, 2700), 16);
    const double tone = toneLevel(audio, 1000);
    EXPECT_GT(tone, 50 * toneLevel(audio, 1700));
    EXPECT_GT(tone, 50 * toneLevel(audio, 600));
}

TEST(AudioSynth, CwToneIsThePitchOnTheBeacon) {
    const BandPlan plan(1);
    AudioSynth synth(4);
    std::vector<int16_t> audio;
    // The 14.1 MHz beacon sends a long key-down; collect a few seconds of it.
    for (int f = 0; f < 400; ++f) {
        const auto frame = renderFrames(synth, plan, viewAt(14'100'000, talix::board::kModeCw, 500),
                                        1, uint64_t(f) * 512);
        audio.insert(audio.end(), frame.begin(), frame.end());
    }
    EXPECT_GT(toneLevel(audio, kCwPitchHz), 20 * toneLevel(audio, kCwPitchHz + 400));
}

TEST(AudioSynth, StationIsLouderThanTheNoiseAroundIt) {
    const BandPlan plan(1);
    const auto rms = [&](int64_t hz) {
        AudioSynth synth(5);
        TuningView v = viewAt(hz, talix::board::kModeAmE, 8000);
        v.agcLimitDbm = -90; // weak signals stay weak
        const auto a = renderFrames(synth, plan, v, 40);
        double sum = 0;
        for (const int16_t s : a)
            sum += double(s) * s;
        return std::sqrt(sum / double(a.size()));
    };
    EXPECT_GT(rms(6'070'000), 2 * rms(10'500'000));
}

TEST(RfScene, PassbandPowerCountsTheStationAndTheNoise) {
    const BandPlan plan(1);
    double signal = 0;
    const double total =
        rf::passbandMw(plan, viewAt(6'070'000, talix::board::kModeAmE, 8000), 0, &signal);
    EXPECT_GT(rf::mwToDbm(signal), -60);
    EXPECT_GT(total, signal);
    double quiet = 0;
    rf::passbandMw(plan, viewAt(10'500'000, talix::board::kModeUsb, 2400), 0, &quiet);
    EXPECT_EQ(quiet, 0);
}
