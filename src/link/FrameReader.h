#pragma once

#include "link/FrameRing.h"
#include "link/InputBuffer.h"
#include "link/LinkFrame.h"

#include <cstdint>

namespace talix::link {

// Where the reader delivers what it cut from the stream.
class FrameReaderHost {
public:
    virtual ~FrameReaderHost() = default;
    // A complete payload in its ring slot; FrameRing::take copies it out while the slot still
    // holds it.
    virtual void frameReady(FrameTicket ticket) = 0;
    // The software update waits for the board's 8-byte replies: they are handed over, not framed.
    virtual bool updateRepliesWanted() = 0;
    // Delivered synchronously: returns once the update form has handled the reply.
    virtual void updateReply(uint32_t replyWord) = 0;
};

// Cuts the buffered bytes into frames and update replies, collecting payloads in the ring it is
// given. Reads only what is already buffered and keeps a frame in progress across calls;
// allocates nothing. Received bytes are never dropped for alignment: a partial word or header
// stays buffered for the next call, and only bytes in front of a header are discarded.
class FrameReader {
public:
    explicit FrameReader(FrameRing& ring) : m_ring(ring) {}

    void run(InputBuffer& in, FrameReaderHost& host);
    // Abandons a frame in progress (a new connection starts afresh).
    void reset() { m_remaining = 0; }

    bool streaming() const { return m_streaming; }
    // Frames delivered so far.
    uint64_t frames() const { return m_frames; }
    int ringIndex() const { return m_ring.writeIndex(); }
    uint32_t remaining() const { return m_remaining; }

private:
    bool takeHeader(InputBuffer& in);
    void completeFrame(FrameReaderHost& host);

    FrameRing& m_ring;
    uint32_t m_remaining = 0;
    uint32_t m_frameCounter = 0;
    uint64_t m_frames = 0;
    bool m_streaming = false;
};

} // namespace talix::link
