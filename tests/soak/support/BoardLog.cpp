#include "soak/support/BoardLog.h"

#include "base/BoardWords.h"

#include <cstdio>
#include <ctime>
#include <sstream>

namespace talix::testing {

namespace {

bool parseHexBytes(const std::string& text, std::vector<uint8_t>& out) {
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        if (token.size() != 2)
            return false;
        unsigned value = 0;
        if (std::sscanf(token.c_str(), "%2x", &value) != 1)
            return false;
        out.push_back(uint8_t(value));
    }
    return !out.empty();
}

} // namespace

int64_t parseLogTime(const std::string& text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millis = 0;
    char zone = 0;
    if (text.size() != 24 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d.%3d%c", &year, &month, &day, &hour,
                    &minute, &second, &millis, &zone) != 8 ||
        zone != 'Z')
        return -1;
    std::tm utc{};
    utc.tm_year = year - 1900;
    utc.tm_mon = month - 1;
    utc.tm_mday = day;
    utc.tm_hour = hour;
    utc.tm_min = minute;
    utc.tm_sec = second;
    return int64_t(timegm(&utc)) * 1000 + millis;
}

std::vector<BoardEvent> parseBoardLog(const std::string& text) {
    std::vector<BoardEvent> events;
    // A last line without its line feed may still be being written.
    std::istringstream lines(text.substr(0, text.rfind('\n') + 1));
    std::string line;
    while (std::getline(lines, line)) {
        BoardEvent e;
        const bool note = line.rfind("# ", 0) == 0;
        const size_t timeAt = note ? 2 : 0;
        if (line.size() < timeAt + 25 || line[timeAt + 24] != ' ')
            continue;
        e.ms = parseLogTime(line.substr(timeAt, 24));
        if (e.ms < 0)
            continue;
        const std::string rest = line.substr(timeAt + 25);
        if (!note) {
            e.kind = BoardEvent::Kind::Record;
            if (!parseHexBytes(rest, e.bytes))
                continue;
        } else if (rest.rfind("connection closed: ", 0) == 0) {
            e.kind = BoardEvent::Kind::Closed;
            e.text = rest.substr(19);
        } else if (rest.rfind("connection ", 0) == 0 && rest.size() > 9 &&
                   rest.compare(rest.size() - 9, 9, " accepted") == 0) {
            e.kind = BoardEvent::Kind::Accepted;
        } else if (rest.find("paused") != std::string::npos) {
            e.kind = BoardEvent::Kind::Paused;
            e.text = rest;
        } else {
            e.text = rest;
        }
        events.push_back(std::move(e));
    }
    return events;
}

bool isGreeting(const BoardEvent& e) {
    return e.kind == BoardEvent::Kind::Record && e.bytes.size() == 1 &&
           e.bytes[0] == board::number(board::Record::Greeting);
}

} // namespace talix::testing
