#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace talix::testing {

// A scripted board on 127.0.0.1: accepts one connection at a time, records every byte it receives
// per connection, and sends what the test asks for.
class LoopbackServer {
public:
    LoopbackServer();
    ~LoopbackServer();

    uint16_t port() const { return m_port; }

    size_t connections() const;
    std::vector<uint8_t>
    received(size_t connection) const;            // bytes of the n-th connection (0-based)
    bool send(const std::vector<uint8_t>& bytes); // to the current connection
    void closeConnection();
    bool closedByPeer(size_t connection) const; // the n-th connection was closed by the program

    // Polls `condition` until it holds or `timeout` passes.
    static bool waitFor(const std::function<bool()>& condition,
                        std::chrono::milliseconds timeout = std::chrono::seconds(10));

private:
    void acceptLoop();

    int m_listenFd = -1;
    uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    int m_clientFd = -1;
    std::vector<bool> m_closedByPeer;
    std::vector<std::vector<uint8_t>> m_received;
    std::thread m_thread;
};

// One board frame: header (3712, complement, counter) and a payload filled with `fill`, or given.
std::vector<uint8_t> boardFrame(uint32_t counter, uint8_t fill = 0);
std::vector<uint8_t> boardFrame(uint32_t counter, const std::vector<uint8_t>& payload);

} // namespace talix::testing
