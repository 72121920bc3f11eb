#include "sim/BandPlan.h"

#include "sim/Random.h"
#include "sim/StationActivity.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace talix::sim {

namespace {

struct BroadcastBand {
    int64_t loKHz, hiKHz, channelKHz;
    double occupancy, minDbm, maxDbm;
};

constexpr std::array<BroadcastBand, 10> kBroadcastBands{{
    {153, 279, 9, 0.45, -85, -45},    // LW
    {531, 1602, 9, 0.35, -95, -35},   // MW
    {5900, 6200, 5, 0.45, -105, -50}, // 49 m
    {7200, 7450, 5, 0.40, -105, -50}, // 41 m
    {9400, 9900, 5, 0.40, -105, -55}, // 31 m
    {11600, 12100, 5, 0.35, -105, -55},
    {13570, 13870, 5, 0.30, -110, -60},
    {15100, 15800, 5, 0.30, -110, -60},
    {17480, 17900, 5, 0.25, -110, -65},
    {21450, 21850, 5, 0.20, -115, -70},
}};

struct HamBand {
    int64_t cwLoHz, cwHiHz;
    int cwCount;
    int64_t ssbLoHz, ssbHiHz;
    int ssbCount;
    bool ssbUpper;
};

constexpr std::array<HamBand, 9> kHamBands{{
    {1'810'000, 1'838'000, 3, 1'843'000, 1'990'000, 2, false},
    {3'500'000, 3'570'000, 5, 3'600'000, 3'790'000, 5, false},
    {7'000'000, 7'040'000, 6, 7'050'000, 7'195'000, 6, false},
    {10'100'000, 10'130'000, 4, 0, 0, 0, true},
    {14'000'000, 14'070'000, 7, 14'100'000, 14'345'000, 8, true},
    {18'068'000, 18'095'000, 3, 18'110'000, 18'165'000, 3, true},
    {21'000'000, 21'070'000, 5, 21'150'000, 21'445'000, 5, true},
    {28'000'000, 28'070'000, 4, 28'300'000, 28'990'000, 4, true},
    {50'000'000, 50'100'000, 4, 50'110'000, 50'300'000, 2, true},
}};

constexpr std::array<const char*, 16> kPrefixes{"DL", "G",  "F",   "I",  "EA", "OH", "SM", "PA",
                                                "OK", "SP", "HB9", "OE", "ON", "LA", "OZ", "YO"};
constexpr std::array<const char*, 12> kStationNames{"Aurora", "Meridian", "Polaris", "Horizon",
                                                    "Atlas",  "Zenith",   "Nordlys", "Lumen",
                                                    "Vega",   "Orion",    "Solace",  "Cadenza"};
constexpr std::array<const char*, 8> kPtyTexts{"Pop Music",         "Rock Music",  "News",
                                               "Classics",          "Information", "Varied",
                                               "Serious Classical", "Jazz Music"};

std::string callSign(Random& rng) {
    std::string call = kPrefixes[size_t(rng.range(0, kPrefixes.size() - 1))];
    call += char('0' + rng.range(1, 9));
    const int letters = int(rng.range(2, 3));
    for (int i = 0; i < letters; ++i)
        call += char('A' + rng.range(0, 25));
    return call;
}

std::string hex4(uint32_t v) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s;
    for (int shift = 12; shift >= 0; shift -= 4)
        s += kDigits[(v >> shift) & 15];
    return s;
}

bool occupied(const std::vector<Station>& list, int64_t freqHz, int64_t spacingHz) {
    return std::any_of(list.begin(), list.end(),
                       [&](const Station& s) { return std::llabs(s.freqHz - freqHz) < spacingHz; });
}

Station makeStation(Random& rng, int64_t freqHz, StationKind kind, double levelDbm) {
    Station s;
    s.freqHz = freqHz;
    s.kind = kind;
    s.levelDbm = levelDbm;
    s.seed = uint32_t(rng.next());
    s.fadePeriodS = rng.uniform(6, 25);
    s.fadeDepthDb =
        freqHz < 1'700'000 || freqHz > 60'000'000 ? rng.uniform(0, 2) : rng.uniform(3, 12);
    s.music = rng.chance(0.6);
    s.wordsPerMinute = int(rng.range(12, 26));
    return s;
}

} // namespace

BandPlan::BandPlan(uint32_t seed) {
    Random rng(seed);
    std::vector<Station> list;

    // Fixed landmarks: the start frequency, a time signal, a beacon and an FM station, so that a
    // user (and a test) always finds something at known places.
    Station home = makeStation(rng, 6'070'000, StationKind::AmBroadcast, -47);
    home.ident = "Radio Aurora";
    home.music = true;
    home.fadeDepthDb = 3;
    list.push_back(home);
    for (const int64_t f : {5'000'000, 10'000'000, 15'000'000}) {
        Station t = makeStation(rng, f, StationKind::TimeSignal, rng.uniform(-85, -60));
        t.ident = "Time signal";
        list.push_back(t);
    }
    Station beacon = makeStation(rng, 14'100'000, StationKind::CwBeacon, -68);
    beacon.ident = "4U1UN";
    beacon.wordsPerMinute = 22;
    list.push_back(beacon);

    for (const auto& band : kBroadcastBands) {
        for (int64_t k = band.loKHz; k <= band.hiKHz; k += band.channelKHz) {
            const int64_t f = k * 1000;
            if (!rng.chance(band.occupancy) || occupied(list, f, band.channelKHz * 1000))
                continue;
            Station s = makeStation(rng, f, StationKind::AmBroadcast,
                                    rng.uniform(band.minDbm, band.maxDbm));
            s.ident = std::string("Radio ") + kStationNames[size_t(rng.range(0, 11))];
            list.push_back(s);
        }
    }

    for (const auto& band : kHamBands) {
        for (int i = 0; i < band.cwCount; ++i) {
            const int64_t f = band.cwLoHz + rng.range(0, (band.cwHiHz - band.cwLoHz) / 100) * 100;
            if (occupied(list, f, 400))
                continue;
            Station s = makeStation(rng, f, StationKind::CwBeacon, rng.uniform(-118, -70));
            s.ident = callSign(rng);
            list.push_back(s);
        }
        for (int i = 0; i < band.ssbCount; ++i) {
            const int64_t f =
                band.ssbLoHz + rng.range(0, (band.ssbHiHz - band.ssbLoHz) / 500) * 500;
            if (occupied(list, f, 3500))
                continue;
            Station s = makeStation(rng, f, StationKind::SsbVoice, rng.uniform(-112, -60));
            s.upperSideband = band.ssbUpper;
            s.ident = callSign(rng);
            list.push_back(s);
        }
    }

    // FM broadcast, 100 kHz raster, with RDS.
    Station fmHome = makeStation(rng, 99'500'000, StationKind::FmBroadcast, -45);
    fmHome.ident = "Aurora FM";
    list.push_back(fmHome);
    for (int64_t f = 87'600'000; f <= 107'900'000; f += 100'000) {
        if (!rng.chance(0.12) || occupied(list, f, 300'000))
            continue;
        Station s = makeStation(rng, f, StationKind::FmBroadcast, rng.uniform(-95, -35));
        s.ident = std::string(kStationNames[size_t(rng.range(0, 11))]) + " FM";
        list.push_back(s);
    }
    for (auto& s : list) {
        if (s.kind != StationKind::FmBroadcast)
            continue;
        Random r(s.seed);
        s.rds.pi = hex4(uint32_t(r.range(0xD000, 0xDFFF)));
        std::string ps = s.ident.substr(0, 8);
        ps.resize(8, ' ');
        s.rds.ps = ps;
        s.rds.pty = kPtyTexts[size_t(r.range(0, kPtyTexts.size() - 1))];
        s.rds.tp = r.chance(0.5);
        s.rds.radioText = {"You are listening to " + s.ident,
                           "Now playing: Sonata No. " + std::to_string(r.range(1, 32)) +
                               " in a simulated key",
                           "Traffic and weather every half hour on " + s.ident};
    }

    // 2 m: CW beacons at the band's start and narrow FM repeater outputs.
    for (int i = 0; i < 3; ++i) {
        const int64_t f = 144'400'000 + rng.range(0, 90) * 1000;
        if (occupied(list, f, 1000))
            continue;
        Station s = makeStation(rng, f, StationKind::CwBeacon, rng.uniform(-120, -90));
        s.ident = callSign(rng) + "/B";
        list.push_back(s);
    }
    for (int i = 0; i < 4; ++i) {
        const int64_t f = 145'600'000 + rng.range(0, 15) * 12'500;
        if (occupied(list, f, 12'500))
            continue;
        Station s = makeStation(rng, f, StationKind::NfmVoice, rng.uniform(-110, -60));
        s.ident = callSign(rng);
        list.push_back(s);
    }

    for (auto& s : list) {
        if (s.kind != StationKind::CwBeacon)
            continue;
        s.keying = activity::morseUnits("VVV DE " + s.ident + " " + s.ident);
        // A long key-down after the text, as beacons send, then a pause.
        s.keying.insert(s.keying.end(), 30, true);
        s.keying.insert(s.keying.end(), 14, false);
    }

    std::sort(list.begin(), list.end(),
              [](const Station& a, const Station& b) { return a.freqHz < b.freqHz; });
    m_stations = std::move(list);
}

std::pair<size_t, size_t> BandPlan::between(int64_t loHz, int64_t hiHz) const {
    const auto lo = std::lower_bound(m_stations.begin(), m_stations.end(), loHz,
                                     [](const Station& s, int64_t f) { return s.freqHz < f; });
    const auto hi = std::upper_bound(lo, m_stations.end(), hiHz,
                                     [](int64_t f, const Station& s) { return f < s.freqHz; });
    return {size_t(lo - m_stations.begin()), size_t(hi - m_stations.begin())};
}

double BandPlan::noiseDensityDbmPerHz(int64_t freqHz) {
    // Atmospheric noise falls with frequency; above 30 MHz the receiver's own noise dominates.
    const double mhz = std::max(0.1, double(freqHz) / 1e6);
    if (mhz < 30)
        return -124 - 22 * std::log10(mhz / 0.1) / std::log10(300.0);
    return -160;
}

int BandPlan::strongestNear(int64_t freqHz, int64_t radiusHz) const {
    const auto [lo, hi] = between(freqHz - radiusHz, freqHz + radiusHz);
    int best = -1;
    for (size_t i = lo; i < hi; ++i)
        if (best < 0 || m_stations[i].levelDbm > m_stations[size_t(best)].levelDbm)
            best = int(i);
    return best;
}

} // namespace talix::sim
