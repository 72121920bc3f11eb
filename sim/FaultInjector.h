#pragma once

#include "sim/FirmwareReceiver.h"
#include "sim/FrameWriter.h"
#include "sim/Random.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace talix::sim {

// What the fault mode does, and how often. Rates of events are per minute of streaming; the
// others are fractions of frames (0..1).
struct FaultPlan {
    double pausesPerMinute = 0;
    std::chrono::milliseconds pauseLength{800};
    double dropsPerMinute = 0;
    double garbageFraction = 0;
    int garbageBytes = 0; // 0: 1 to 64 at random
    double splitFraction = 0;
    bool splitAnywhere = false; // false: pieces of whole 32-bit words
    double badBlockFraction = 0;
    double blockSplitFraction = 0;
    // How the board answers a software update (not a per-frame fault).
    FirmwareReceiver::Fault update = FirmwareReceiver::Fault::None;

    bool any() const {
        return pausesPerMinute > 0 || dropsPerMinute > 0 || garbageFraction > 0 ||
               splitFraction > 0 || badBlockFraction > 0 || blockSplitFraction > 0;
    }
};

// Reads "name=value,..." (see sim/README.md); "mix" stands for a moderate set of every fault.
std::optional<FaultPlan> parseFaults(const std::string& text, std::string& error);

// Malformed parameter fragments the program must drop or cut short without harm.
enum class BadBlock {
    LengthTooSmall,    // block length word below 8
    LengthTooLarge,    // block length word above 496
    TruncatedBlock,    // first fragment, then a continuation too short to complete it
    UnknownId,         // an id the program does not know ends the walk
    ValuesPastEnd,     // a value word whose values lie beyond the block
    TooManyWords,      // StreamHeader word count above 124
    ZeroSequence,      // sequence number 0
    StrayContinuation, // a continuation with no block begun
};
constexpr int kBadBlockKinds = int(BadBlock::StrayContinuation) + 1;

// Decides, frame by frame, which faults to inject. Deterministic for a seed.
class FaultInjector {
public:
    FaultInjector(FaultPlan plan, uint32_t seed);

    bool active() const { return m_plan.any(); }

    // Per frame: a pause to start (its length), a drop, garbage to send before the frame.
    std::optional<std::chrono::milliseconds> pauseNow();
    bool dropNow();
    std::vector<uint8_t> garbage();
    // Offsets at which to cut the frame into pieces (empty: send it whole).
    std::vector<size_t> splitPoints(size_t frameSize);
    // Words of a block to send in its first frame (the rest follows in a continuation).
    uint32_t blockSplit(uint32_t totalWords);

    // True when this frame's stream part belongs to a malformed fragment; `takeSeq` gives fresh
    // sequence numbers. Fills the stream part of `content`.
    bool badBlockFrame(FrameContent& content, const std::function<uint32_t()>& takeSeq);
    // The malformed fragment sent last (for logs).
    BadBlock lastBadBlock() const { return m_lastBad; }
    static const char* name(BadBlock kind);

private:
    bool perFrame(double fraction) { return fraction > 0 && m_random.chance(fraction); }
    bool perMinute(double rate) { return rate > 0 && m_random.chance(rate / (60.0 * 80.0)); }

    FaultPlan m_plan;
    Random m_random;
    BadBlock m_lastBad = BadBlock::LengthTooSmall;
    // A truncated block owes its short continuation to the very next frame.
    std::optional<uint32_t> m_truncatedSeq;
};

} // namespace talix::sim
