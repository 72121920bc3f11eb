#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <vector>

namespace talix::sim {

// Bytes waiting for a non-blocking socket. A piece may be held back until a given time, which
// lets the board split a frame into pieces that reach the program in separate reads.
class OutputQueue {
public:
    using Clock = std::chrono::steady_clock;

    void push(const uint8_t* data, size_t size, Clock::time_point notBefore = {});
    // Writes what the socket takes; false when the connection failed.
    bool flush(int fd, Clock::time_point now);
    size_t pendingBytes() const { return m_pending; }
    bool empty() const { return m_pieces.empty(); }
    // When the first piece may go (only meaningful when not empty).
    Clock::time_point nextReady() const { return m_pieces.front().notBefore; }
    void clear();

private:
    struct Piece {
        std::vector<uint8_t> bytes;
        size_t offset = 0;
        Clock::time_point notBefore;
    };
    std::deque<Piece> m_pieces;
    size_t m_pending = 0;
};

} // namespace talix::sim
