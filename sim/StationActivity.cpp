#include "sim/StationActivity.h"

#include <cmath>

namespace talix::sim::activity {

namespace {

constexpr double kTwoPi = 6.283185307179586;

const char* morseOf(char c) {
    switch (c >= 'a' && c <= 'z' ? char(c - 32) : c) {
    case 'A':
        return ".-";
    case 'B':
        return "-...";
    case 'C':
        return "-.-.";
    case 'D':
        return "-..";
    case 'E':
        return ".";
    case 'F':
        return "..-.";
    case 'G':
        return "--.";
    case 'H':
        return "....";
    case 'I':
        return "..";
    case 'J':
        return ".---";
    case 'K':
        return "-.-";
    case 'L':
        return ".-..";
    case 'M':
        return "--";
    case 'N':
        return "-.";
    case 'O':
        return "---";
    case 'P':
        return ".--.";
    case 'Q':
        return "--.-";
    case 'R':
        return ".-.";
    case 'S':
        return "...";
    case 'T':
        return "-";
    case 'U':
        return "..-";
    case 'V':
        return "...-";
    case 'W':
        return ".--";
    case 'X':
        return "-..-";
    case 'Y':
        return "-.--";
    case 'Z':
        return "--..";
    case '0':
        return "-----";
    case '1':
        return ".----";
    case '2':
        return "..---";
    case '3':
        return "...--";
    case '4':
        return "....-";
    case '5':
        return ".....";
    case '6':
        return "-....";
    case '7':
        return "--...";
    case '8':
        return "---..";
    case '9':
        return "----.";
    case '/':
        return "-..-.";
    default:
        return nullptr;
    }
}

} // namespace

double hash01(uint32_t seed, uint64_t index) {
    uint64_t x = (uint64_t(seed) << 32) ^ (index * 0x9E3779B97F4A7C15ull);
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDull;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ull;
    x ^= x >> 33;
    return double(x >> 11) * (1.0 / 9007199254740992.0);
}

std::vector<bool> morseUnits(const std::string& text) {
    std::vector<bool> units;
    for (const char c : text) {
        if (c == ' ') {
            units.insert(units.end(), 4, false); // 3 after the letter + 4 = a word gap of 7
            continue;
        }
        const char* code = morseOf(c);
        if (!code)
            continue;
        for (const char* p = code; *p; ++p) {
            units.insert(units.end(), *p == '-' ? 3 : 1, true);
            units.push_back(false);
        }
        units.insert(units.end(), 2, false);
    }
    units.insert(units.end(), 7, false);
    return units;
}

double fadingDb(const Station& s, double t) {
    if (s.fadeDepthDb <= 0)
        return 0;
    const double phase = hash01(s.seed, 1) * kTwoPi;
    const double a = std::sin(kTwoPi * t / s.fadePeriodS + phase);
    const double b = std::sin(kTwoPi * t / (s.fadePeriodS * 2.7) + 2 * phase);
    return -s.fadeDepthDb * (0.5 + 0.3 * a + 0.2 * b);
}

bool keyDown(const Station& s, double t) {
    if (s.kind != StationKind::CwBeacon)
        return true;
    const auto& units = s.keying;
    if (units.empty())
        return true;
    const double unit = 1.2 / s.wordsPerMinute;
    const auto index = uint64_t(t / unit + hash01(s.seed, 2) * double(units.size()));
    return units[index % units.size()];
}

bool onAir(const Station& s, double t) {
    if (s.kind != StationKind::NfmVoice && s.kind != StationKind::SsbVoice)
        return true;
    // Overs of 12-30 s with pauses of 3-20 s.
    const double cycle = s.kind == StationKind::NfmVoice ? 50 : 35;
    const double offset = hash01(s.seed, 3) * cycle;
    const auto n = uint64_t((t + offset) / cycle);
    const double pos = std::fmod(t + offset, cycle);
    const double over = 12 + 18 * hash01(s.seed, 100 + n);
    return pos < over;
}

double voiceEnvelope(const Station& s, double t) {
    if (!onAir(s, t))
        return 0;
    // Syllables of 120-320 ms, some of them silent (gaps between words).
    constexpr double kSlot = 0.22;
    const auto n = uint64_t(t / kSlot);
    if (hash01(s.seed, 1000 + n) < 0.22)
        return 0;
    const double pos = std::fmod(t, kSlot) / kSlot;
    const double loud = 0.45 + 0.55 * hash01(s.seed, 5000 + n);
    return loud * std::sin(3.141592653589793 * pos);
}

double programmeLevel(const Station& s, double t) {
    const double a = std::sin(kTwoPi * t / 3.1 + hash01(s.seed, 4) * kTwoPi);
    const double b = std::sin(kTwoPi * t / 0.7 + hash01(s.seed, 5) * kTwoPi);
    return 0.6 + 0.25 * a + 0.15 * b;
}

double powerDbm(const Station& s, double t) {
    if (!onAir(s, t) || !keyDown(s, t))
        return -200;
    double p = s.levelDbm + fadingDb(s, t);
    if (s.kind == StationKind::SsbVoice) {
        const double v = voiceEnvelope(s, t);
        p = v > 0.01 ? p + 20 * std::log10(v) : -200;
    }
    return p;
}

} // namespace talix::sim::activity
