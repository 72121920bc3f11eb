#pragma once

#include "base/FramePayload.h"

#include <array>
#include <cstdint>
#include <span>

namespace talix::sync {

// A completed parameter block, copied out of the reassembly buffer so that a walk suspended in a
// modal message can never see the buffer refilled under it. Word 0 is the block length in bytes,
// counting itself; the TParamWords follow.
struct ParamBlock {
    std::array<uint32_t, board::kMaxStreamWords> words{};
    uint32_t seq = 0;

    uint32_t lengthBytes() const { return words[0]; }
};

} // namespace talix::sync
