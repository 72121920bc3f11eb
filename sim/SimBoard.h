#pragma once

#include "base/Endpoint.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace talix::sim {

struct SimOptions {
    talix::Endpoint listen{"127.0.0.1", 55555}; // port 0: pick a free port
    std::string logPath;                        // empty: no log
    uint32_t seed = 1;
    std::string faults;                          // fault list (see sim/README.md), empty: none
    talix::Endpoint rotator{"127.0.0.1", 55556}; // the only rotator address it ever reports;
                                                 // the board plays the rotator there (UDP)
    // An unacknowledged parameter block is sent again after this long.
    std::chrono::milliseconds resendAfter{400};
    // Reconnect exercises, per connection, counted from its greeting (0: never): stop streaming
    // for pauseFor after pauseAfter; close the connection after dropAfter.
    std::chrono::milliseconds pauseAfter{0};
    std::chrono::milliseconds pauseFor{0};
    std::chrono::milliseconds dropAfter{0};
    // Audio: 0 plays the receiver's programme; otherwise a pure sine of this frequency (below half
    // the sample rate) on both channels.
    double toneHz = 0;
    // When set, the audio of every frame sent is appended to this file as raw PCM, in order.
    std::string audioLogPath;
};

// The simulated receiver board: a TCP server that, once greeted with 0x12, streams frames at
// 80 per second and answers the program's command records. It serves one connection at a time;
// a new connection replaces the current one.
class SimBoard {
public:
    explicit SimBoard(SimOptions options);
    ~SimBoard(); // stops
    SimBoard(const SimBoard&) = delete;
    SimBoard& operator=(const SimBoard&) = delete;

    bool start();          // listen + threads; false if it cannot listen
    uint16_t port() const; // the bound port
    void stop();
    // Why start() failed.
    std::string error() const;
    // The UDP port of the simulated rotator, 0 when it could not be bound.
    uint16_t rotatorPort() const;

    // Thread-safe test controls.
    void pauseStreaming(std::chrono::milliseconds duration);
    void dropConnection();
    void sendParamWords(const std::vector<uint32_t>& words); // one block with these TParamWords
    size_t connectionsAccepted() const;
    size_t greetingsReceived() const;
    uint64_t framesSent() const;
    // Commands in arrival order (greetings excluded; the newest 200,000).
    std::vector<std::vector<uint8_t>> receivedRecords() const;
    // Software updates received whole, and the image of the last.
    std::pair<size_t, std::vector<uint8_t>> updateImages() const;
    uint64_t blocksAcknowledged() const;
    uint64_t blocksResent() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace talix::sim
