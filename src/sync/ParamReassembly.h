#pragma once

#include "sync/ParamBlock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace talix::sync {

// Joins the parameter stream's fragments into blocks. A block is at most 496 bytes and spans at
// most two frames: a first fragment and one continuation. Idle (ParamPending = 0): a first
// fragment starts a block, a continuation is ignored. Waiting: a continuation completes or drops
// the block, a first fragment is ignored.
class ParamReassembly {
public:
    static constexpr int32_t kMinBlockBytes = 8;
    static constexpr int32_t kMaxBlockBytes = 4 * int32_t(board::kMaxStreamWords); // 496

    // Adds the stream part of one payload of `length` bytes. Returns the block this fragment
    // completed, with LastSeq already advanced to its sequence number.
    std::optional<ParamBlock> addFragment(const uint8_t* payload, size_t length);

    int32_t ParamPending = 0;
    uint32_t ParamWritePos = 0;
    int32_t LastSeq = -1;

private:
    std::array<uint8_t, kMaxBlockBytes> ParamBuffer{};
    uint32_t m_seq = 0; // of the block being reassembled

    std::optional<ParamBlock> complete();
};

} // namespace talix::sync
