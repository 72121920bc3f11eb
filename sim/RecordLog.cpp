#include "sim/RecordLog.h"

#include <chrono>
#include <ctime>

namespace talix::sim {

RecordLog::~RecordLog() {
    if (m_file)
        std::fclose(m_file);
}

bool RecordLog::open(const std::string& path) {
    std::lock_guard lock(m_mutex);
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (path.empty())
        return true;
    m_file = std::fopen(path.c_str(), "w");
    return m_file != nullptr;
}

std::string RecordLog::hex(const std::vector<uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i)
            text += ' ';
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
    }
    return text;
}

std::string RecordLog::timestamp() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, int(millis));
    return text;
}

void RecordLog::record(const std::vector<uint8_t>& bytes) {
    writeLine(timestamp() + " " + hex(bytes));
}

void RecordLog::note(const std::string& text) {
    writeLine("# " + timestamp() + " " + text);
}

void RecordLog::writeLine(const std::string& line) {
    std::lock_guard lock(m_mutex);
    if (!m_file)
        return;
    std::fputs(line.c_str(), m_file);
    std::fputc('\n', m_file);
    std::fflush(m_file);
}

} // namespace talix::sim
