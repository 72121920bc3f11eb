#pragma once

#include <chrono>
#include <cstdint>

namespace talix::sim {

// Frame times on the monotonic clock: frame k is due at anchor + k x 12.5 ms, so that late
// wake-ups never accumulate into drift. After a stall longer than kMaxLag the schedule starts
// afresh instead of sending a burst of stale frames.
class FramePacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds kPeriod{12'500'000}; // 2048 audio bytes at 40960/s
    static constexpr std::chrono::milliseconds kMaxLag{250};

    void restart(Clock::time_point now) {
        m_anchor = now;
        m_index = 0;
    }
    Clock::time_point nextDue() const { return m_anchor + m_index * kPeriod; }
    // True when a frame is due at `now`; the caller then sends one and calls advance().
    bool due(Clock::time_point now) {
        if (now - nextDue() > kMaxLag)
            restart(now);
        return now >= nextDue();
    }
    void advance() { ++m_index; }

private:
    Clock::time_point m_anchor{};
    int64_t m_index = 0;
};

} // namespace talix::sim
