#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace talix::testing {

// A board on 127.0.0.1 that streams frames, each with a complete parameter block of its own
// sequence number, and never reads what it is sent: its receive buffer is small, so the program's
// writes soon find no room. Once the program gives that connection up,
// the board takes the next one as a board that reads: it records what it receives and, after the
// greeting, sends one frame with the block `nextBlockSeq`.
class DeafStreamingBoard {
public:
    explicit DeafStreamingBoard(uint32_t nextBlockSeq);
    ~DeafStreamingBoard();
    DeafStreamingBoard(const DeafStreamingBoard&) = delete;
    DeafStreamingBoard& operator=(const DeafStreamingBoard&) = delete;

    uint16_t port() const { return m_port; }
    // Blocks streamed on the first connection until the program gave it up.
    uint32_t blocksStreamed() const { return m_streamed.load(); }
    bool firstConnectionGivenUp() const { return m_givenUp.load(); }
    // What the second connection has received so far.
    std::vector<uint8_t> receivedAfterward() const;

private:
    void run();
    int acceptNext();
    void streamUntilGivenUp(int fd);
    void answerAndRecord(int fd);

    const uint32_t m_nextBlockSeq;
    int m_listenFd = -1;
    uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<uint32_t> m_streamed{0};
    std::atomic<bool> m_givenUp{false};
    mutable std::mutex m_mutex;
    std::vector<uint8_t> m_received;
    std::thread m_thread;
};

} // namespace talix::testing
