#pragma once

#include "sim/FrameWriter.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace talix::sim {

using ParamBlock = std::vector<uint32_t>; // TParamWords and their value words, no length word

// Longest block: 496 bytes with its length word, so 123 parameter words.
constexpr size_t kMaxBlockWords = 123;

// The board's side of the parameter stream. One block is in flight at a time: it is sent with a
// fresh nonzero sequence number in one frame, or in two when it does not fit, and sent again
// (with a new number, so that the program walks it even if only the acknowledgement was lost)
// until its acknowledgement arrives. Holding back later blocks until then keeps the program's
// state in the order the board produced it.
class ParamSender {
public:
    using Clock = std::chrono::steady_clock;
    using Source = std::function<std::optional<ParamBlock>()>;
    // Words of a block (length word included) to put in its first frame; the rest follows in the
    // next frame. Must return 1..min(total, 123).
    using Splitter = std::function<uint32_t(uint32_t totalWords)>;

    explicit ParamSender(std::chrono::milliseconds resendAfter);

    // Refuses blocks that are empty or longer than kMaxBlockWords.
    bool queueBlock(ParamBlock words);
    bool queueBlockFront(ParamBlock words);
    void setSplitter(Splitter splitter) { m_splitter = std::move(splitter); }

    // Fills the stream part of the next frame. When nothing is in flight the next queued block
    // goes out, or else one taken from `source`.
    void fillFrame(FrameContent& content, Clock::time_point now, const Source& source);
    // True when the acknowledged number is the block in flight.
    bool acknowledge(uint32_t seq);
    // A new connection: whatever was in flight is forgotten; queued blocks stay.
    void reset();

    // A sequence number that no block has used lately (for blocks sent outside this sender).
    uint32_t takeSeq();
    // True while no continuation is due, so that a frame may carry something else.
    bool continuationDue() const { return m_inFlight && m_sentWords < m_inFlight->framed.size(); }
    bool inFlight() const { return m_inFlight.has_value(); }
    uint64_t resends() const { return m_resends; }
    uint64_t blocksAcknowledged() const { return m_acknowledged; }

private:
    struct InFlight {
        std::vector<uint32_t> framed; // length word + parameter words
        uint32_t seq = 0;
        Clock::time_point sentAt;
    };
    void start(Clock::time_point now);

    std::chrono::milliseconds m_resendAfter;
    std::deque<ParamBlock> m_queue;
    std::optional<InFlight> m_inFlight;
    size_t m_sentWords = 0;
    uint32_t m_nextSeq = 1;
    uint64_t m_resends = 0;
    uint64_t m_acknowledged = 0;
    Splitter m_splitter;
};

} // namespace talix::sim
