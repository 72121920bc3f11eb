#pragma once

#include "support/WaitUntil.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace talix::testing {

// The program's binaries beside the test programs.
QString binaryPath(const char* name);

QString readWholeFile(const QString& path);

// talix-sim as a child process on free loopback ports, with its receive log and control port.
class BoardProcess {
public:
    BoardProcess() = default;
    ~BoardProcess();
    BoardProcess(const BoardProcess&) = delete;
    BoardProcess& operator=(const BoardProcess&) = delete;

    // False when it did not start or did not report its ports.
    bool start(const QString& logPath, const QString& faults, uint32_t seed);
    uint16_t port() const { return m_port; }
    QString log() const { return readWholeFile(m_logPath); }
    // The log shows a greeting.
    bool greeted() const;

    // One control-port command and its reply line; empty on failure.
    std::string command(const std::string& line) const;

    struct Stats {
        uint64_t connections = 0;
        uint64_t greetings = 0;
        uint64_t frames = 0;
        uint64_t records = 0;
        uint64_t acknowledged = 0;
    };
    std::optional<Stats> stats() const;

private:
    QProcess m_process;
    QString m_logPath;
    uint16_t m_port = 0;
    uint16_t m_controlPort = 0;
};

// The resident set of a process in KiB from /proc/<pid>/status; 0 when unreadable.
uint64_t residentKiB(int64_t pid);

} // namespace talix::testing
