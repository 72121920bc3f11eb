#pragma once

#include "link/CommandQueue.h"
#include "soak/support/BoardLog.h"
#include "soak/support/Recoveries.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace talix::testing {

// Numbered commands: the headphone volume's set-value record carrying a number from 65536 up in
// its 32-bit value. A volume bar never sends more than 255, so the numbers cannot be confused with
// the program's own volume records.
constexpr uint32_t kFirstCommandNumber = 0x10000;
link::Command numberedCommand(uint32_t number);
std::optional<uint32_t> commandNumber(const std::vector<uint8_t>& record);

struct QueuedCommand {
    uint32_t number = 0;
    int64_t queuedMs = 0; // UTC milliseconds since the epoch, taken before queueing
};

// Where a queued command may be lost, besides never between two commands that arrived on one
// connection: from `marginMs` before the board noted a close (records
// still on their way when the connection went) to the next greeting (the program discards the
// queue when it connects again, before it greets). A close that no greeting followed keeps its
// window open to the end.
struct LossWindow {
    int64_t fromMs = 0;
    int64_t toMs = 0;
};
std::vector<LossWindow> lossWindows(const std::vector<Recovery>& recoveries, int64_t marginMs);

struct TrailReport {
    size_t queued = 0;
    size_t delivered = 0;
    size_t lostAtDrop = 0;
    std::vector<uint32_t> duplicated; // logged more than once
    std::vector<uint32_t> reordered;  // logged after a higher number
    std::vector<uint32_t> lost;       // missing although queued outside every loss window
    std::vector<uint32_t> unknown;    // logged but never queued
    bool clean() const {
        return duplicated.empty() && reordered.empty() && lost.empty() && unknown.empty();
    }
    std::string describe() const;
};

TrailReport checkTrail(const std::vector<QueuedCommand>& queued,
                       const std::vector<BoardEvent>& events,
                       const std::vector<LossWindow>& windows);

} // namespace talix::testing
