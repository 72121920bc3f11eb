#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talix::testing {

// One line of the simulated board's receive log.
struct BoardEvent {
    enum class Kind {
        Accepted, // "# <time> connection N accepted"
        Closed,   // "# <time> connection closed: <why>"; `text` holds the reason
        Paused,   // "# <time> ... paused ..." (a fault, a request or the set pause)
        Note,     // any other "#" line
        Record,   // "<time> <hex bytes>"; `bytes` holds the record
    };
    Kind kind = Kind::Note;
    int64_t ms = 0; // UTC milliseconds since the epoch
    std::string text;
    std::vector<uint8_t> bytes;
};

// Reads the log's lines; lines that do not parse (a line still being written) are skipped.
std::vector<BoardEvent> parseBoardLog(const std::string& text);

// "2025-03-01T12:00:00.125Z" as UTC milliseconds since the epoch; -1 when malformed.
int64_t parseLogTime(const std::string& text);

bool isGreeting(const BoardEvent& e);

} // namespace talix::testing
