#pragma once

#include "link/InputBuffer.h"
#include "link/LinkFrame.h"

#include <array>
#include <cstdint>
#include <vector>

namespace talix::link {

// Where the reader delivers what it cut from the stream.
class FrameReaderHost {
public:
    virtual ~FrameReaderHost() = default;
    // A complete payload in its ring slot; it stays valid until the slot is reused 32 frames later.
    virtual void frameReady(const uint8_t* payload, uint32_t lParam) = 0;
    virtual bool updateFormVisible() = 0;
    // Delivered synchronously: returns once the update form has handled the reply.
    virtual void updateReply(uint32_t replyWord) = 0;
};

// Cuts the buffered bytes into frames and update replies. Reads only what is already buffered
// and keeps a frame in progress across calls; allocates nothing after construction. Received
// bytes are never dropped for alignment: a partial word or header stays buffered for the next
// call, and only bytes in front of a header are discarded.
class FrameReader {
public:
    FrameReader();

    void run(InputBuffer& in, FrameReaderHost& host);
    // Abandons a frame in progress (a new connection starts afresh).
    void reset() { m_remaining = 0; }

    bool streaming() const { return m_streaming; }
    int ringIndex() const { return m_ringIndex; }
    uint32_t remaining() const { return m_remaining; }

private:
    bool takeHeader(InputBuffer& in);
    void completeFrame(FrameReaderHost& host);

    std::array<std::vector<uint8_t>, kRingSlots> m_ring;
    int m_ringIndex = 0;
    uint32_t m_remaining = 0;
    uint32_t m_frameCounter = 0;
    bool m_streaming = false;
};

} // namespace talix::link
