#pragma once

#include "base/Endpoint.h"

#include <atomic>
#include <string>
#include <thread>

namespace talix::sim {

class SimBoard;

// A line-oriented TCP control port for tests: each line is a command (ControlCommands.h), each
// gets one reply line. Listens on the given address only; serves several clients.
class ControlServer {
public:
    explicit ControlServer(SimBoard& board);
    ~ControlServer();
    ControlServer(const ControlServer&) = delete;
    ControlServer& operator=(const ControlServer&) = delete;

    bool start(const Endpoint& at, std::string& error);
    uint16_t port() const { return m_port; }
    void stop();

private:
    void run();

    SimBoard& m_board;
    int m_listenFd = -1;
    int m_wake[2] = {-1, -1};
    uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Runs a file of control commands, one per line, once the program has greeted the board;
// "wait MS" lines pause the script. Stops early when asked.
class ScriptRunner {
public:
    explicit ScriptRunner(SimBoard& board);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    bool start(const std::string& path, std::string& error);
    void stop();
    bool finished() const { return m_finished; }

private:
    SimBoard& m_board;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
};

} // namespace talix::sim
