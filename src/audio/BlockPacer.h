#pragma once

#include "audio/WaveHeader.h"

#include <chrono>
#include <deque>
#include <optional>

namespace talix::audio {

// The clock of a device that plays in real time without sound hardware: the queued blocks are
// consumed one per block duration on a steady clock, back to back, starting when a block arrives
// at an empty queue. Late calls catch up; pausing holds the position. Needs no event loop: the
// owner asks nextDue() when to come back and takes what is due then.
class BlockPacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit BlockPacer(Clock::duration blockDuration) : m_blockDuration(blockDuration) {}

    void add(WaveHeader& header, Clock::time_point now);
    // Removes and returns the oldest block if it has been played by `now`.
    WaveHeader* takeDue(Clock::time_point now);
    // Removes and returns the oldest block whatever its time (for reset).
    WaveHeader* takeAny();
    // When the oldest block will have been played; empty while paused or with nothing queued.
    std::optional<Clock::time_point> nextDue() const;

    void pause(Clock::time_point now);
    void restart(Clock::time_point now);
    bool paused() const { return m_paused; }
    bool empty() const { return m_queue.empty(); }
    std::size_t size() const { return m_queue.size(); }

private:
    Clock::duration m_blockDuration;
    std::deque<WaveHeader*> m_queue;
    Clock::time_point m_frontDue{}; // valid while the queue is not empty and not paused
    Clock::duration m_frontLeft{};  // valid while paused with blocks queued
    bool m_paused = false;
};

} // namespace talix::audio
