#pragma once

#include "sim/ParamSender.h"

#include <chrono>
#include <mutex>
#include <optional>
#include <vector>

namespace talix::sim {

// The test controls asked from other threads (pause the stream, drop the connection, send a
// parameter block), held until the board thread takes them.
class ControlRequests {
public:
    using Clock = std::chrono::steady_clock;

    struct Taken {
        std::optional<Clock::time_point> pauseUntil;
        std::vector<ParamBlock> blocks;
        bool drop = false;
    };

    void pause(Clock::time_point until);
    void drop();
    void sendBlock(ParamBlock block);
    // Everything asked since the last call.
    Taken take();

private:
    std::mutex m_mutex;
    Taken m_pending;
};

} // namespace talix::sim
