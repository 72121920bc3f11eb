#include "link/FrameReader.h"

#include <algorithm>

namespace talix::link {

void FrameReader::run(InputBuffer& in, FrameReaderHost& host) {
    while (true) {
        if (m_remaining > 0) {
            // Whole words only: a word that TCP split stays buffered until its rest arrives.
            const size_t take = std::min<size_t>(in.size() & ~size_t(3), m_remaining);
            if (take == 0)
                return;
            m_ring.append(in.data(), take);
            in.discard(take);
            m_remaining -= uint32_t(take);
            if (m_remaining == 0)
                completeFrame(host);
            continue;
        }
        if (in.size() < kUpdateReplyLength)
            return;
        if (in.peekWord(0) == kUpdateReplyLength && host.updateRepliesWanted()) {
            in.discard(4);
            const uint32_t reply = in.readWord();
            m_streaming = false;
            host.updateReply(reply);
            if ((reply & 0xFF) == kUpdateReplyEnd) {
                m_streaming = true;
                in.clear();
                return;
            }
            continue;
        }
        if (!takeHeader(in))
            return;
        m_remaining = kPayloadLength;
        m_ring.begin();
    }
}

// Garbage need not come in whole words, so a header may start at any byte: the bytes before the
// first (length, complement) pair are consumed. A header is taken only when all 12 of its bytes
// are buffered; without a pair, the last bytes stay, as they may be the start of one.
bool FrameReader::takeHeader(InputBuffer& in) {
    constexpr size_t kPairLength = 8;
    const size_t n = in.size();
    size_t at = 0;
    while (at + kPairLength <= n &&
           !(in.peekWord(at) == kFrameLength && in.peekWord(at + 4) == kFrameCheckWord))
        ++at;
    if (at + kPairLength > n) {
        in.discard(n - std::min(n, kPairLength - 1));
        return false;
    }
    in.discard(at);
    if (in.size() < kFrameHeaderLength)
        return false; // the counter is still on its way
    in.discard(kPairLength);
    m_frameCounter = in.readWord();
    return true;
}

void FrameReader::completeFrame(FrameReaderHost& host) {
    m_streaming = true;
    ++m_frames;
    host.frameReady(m_ring.complete(frameLParam(m_frameCounter, kPayloadLength)));
}

} // namespace talix::link
