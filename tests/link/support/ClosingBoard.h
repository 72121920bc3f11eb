#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <set>
#include <thread>

namespace talix::testing {

// Something at the board's address on 127.0.0.1 that accepts every connection and closes it at
// once, as a board rebooting behind its access point may. The connections numbered in
// `withFrame` (0-based) first take the greeting and get one frame, so that frames have flowed
// before those closes.
class ClosingBoard {
public:
    explicit ClosingBoard(std::set<size_t> withFrame = {});
    ~ClosingBoard();
    ClosingBoard(const ClosingBoard&) = delete;
    ClosingBoard& operator=(const ClosingBoard&) = delete;

    uint16_t port() const { return m_port; }
    size_t connections() const { return m_connections.load(); }

private:
    void acceptLoop();
    void sendFrame(int fd, uint32_t counter);

    const std::set<size_t> m_withFrame;
    int m_listenFd = -1;
    uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<size_t> m_connections{0};
    std::thread m_thread;
};

} // namespace talix::testing
