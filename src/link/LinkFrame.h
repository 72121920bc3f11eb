#pragma once

#include <cstdint>

namespace talix::link {

// The board's stream: 12-byte header (length, its complement, frame counter) and the payload.
constexpr uint32_t kFrameLength = 3712;
constexpr uint32_t kFrameCheckWord = ~kFrameLength; // 0xFFFFF17F
constexpr uint32_t kFrameHeaderLength = 12;
constexpr uint32_t kPayloadLength = kFrameLength - kFrameHeaderLength; // 3700
// While the update form is shown the board answers with 8-byte replies: 8, reply word.
constexpr uint32_t kUpdateReplyLength = 8;
constexpr uint8_t kUpdateReplyEnd = 15;
constexpr int kRingSlots = 32;

// The frame hand-over's lParam, as the window message of the frame carried it: counter << 16 |
// payload length.
constexpr uint32_t frameLParam(uint32_t frameCounter, uint32_t payloadLength) {
    return (frameCounter & 0xFFFF) << 16 | (payloadLength & 0xFFFF);
}

} // namespace talix::link
