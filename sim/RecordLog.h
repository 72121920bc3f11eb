#pragma once

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace talix::sim {

// The board's receive log: one line per command record, "<UTC time> <hex bytes>", for example
// "2025-03-01T12:00:00.125Z 01 0d 0b". Connection events are lines starting with "#". Every
// line is flushed as it is written, so that a test can read the file at any time.
class RecordLog {
public:
    RecordLog() = default;
    ~RecordLog();
    RecordLog(const RecordLog&) = delete;
    RecordLog& operator=(const RecordLog&) = delete;

    bool open(const std::string& path); // truncates; empty path: no log
    void record(const std::vector<uint8_t>& bytes);
    void note(const std::string& text);

    static std::string hex(const std::vector<uint8_t>& bytes);
    static std::string timestamp();

private:
    void writeLine(const std::string& line);
    std::mutex m_mutex;
    FILE* m_file = nullptr;
};

} // namespace talix::sim
