#include "sim/GpsReceiver.h"

#include "sim/ParamWords.h"
#include "sim/StationActivity.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace talix::sim {

using board::MainItem;

namespace {

constexpr uint64_t kClockFrames = 800; // reference clock every ten seconds

struct Place {
    double lat, lon, alt;
};
constexpr Place kPlaces[] = {{48.137, 11.575, 519}, {52.520, 13.405, 34}, {47.377, 8.540, 408},
                             {51.507, -0.128, 11},  {59.329, 18.069, 28}, {45.464, 9.190, 120}};

std::string degrees(double value, int degreeDigits, char positive, char negative) {
    const double a = std::abs(value);
    const int d = int(a);
    const double minutes = (a - d) * 60;
    char text[32];
    // "\xB0" is the degree sign in the host's single-byte code page.
    std::snprintf(text, sizeof text, "%0*d\xB0%07.4f'%c", degreeDigits, d, minutes,
                  value < 0 ? negative : positive);
    return text;
}

} // namespace

GpsReceiver::GpsReceiver(uint32_t seed, ReportQueue& reports) : m_seed(seed), m_reports(reports) {
    readClock();
}

void GpsReceiver::tick(uint64_t frame) {
    if (frame % kClockFrames == 0) {
        m_clockCal = int32_t(std::lround(4 * (activity::hash01(m_seed, frame) - 0.5)));
        m_reports.item(MainItem::ClockCalibration);
    }
    readClock();
}

void GpsReceiver::readClock() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    if (seconds == m_lastSecond)
        return;
    const bool first = m_lastSecond < 0;
    m_lastSecond = seconds;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", utc.tm_hour, utc.tm_min, utc.tm_sec);
    m_time = text;
    const Place& p = kPlaces[m_seed % (sizeof kPlaces / sizeof kPlaces[0])];
    // A fix wanders by a few metres.
    const double wobble = activity::hash01(m_seed, uint64_t(seconds)) - 0.5;
    m_latitude = degrees(p.lat + wobble * 0.00003, 2, 'N', 'S');
    m_longitude = degrees(p.lon - wobble * 0.00004, 3, 'E', 'W');
    std::snprintf(text, sizeof text, "%7.1f", p.alt + wobble * 4);
    m_altitude = text;
    m_reports.item(MainItem::GpsPosition);
    if (first || seconds % 10 == 0)
        m_reports.item(MainItem::GpsAltitude);
}

std::vector<uint32_t> GpsReceiver::encode(MainItem item, uint32_t w) const {
    std::vector<uint32_t> words{w};
    switch (item) {
    case MainItem::ClockCalibration:
        words.push_back(uint32_t(m_clockCal));
        return words;
    case MainItem::GpsPosition:
        appendTextWords(words, m_time, 2);
        appendTextWords(words, m_latitude, 4);
        appendTextWords(words, m_longitude, 4);
        return words;
    case MainItem::GpsAltitude:
        appendTextWords(words, m_altitude, 2);
        return words;
    default:
        return {};
    }
}

} // namespace talix::sim
