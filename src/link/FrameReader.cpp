#include "link/FrameReader.h"

#include <algorithm>

namespace talix::link {

FrameReader::FrameReader() {
    for (auto& slot : m_ring)
        slot.reserve(kPayloadLength);
}

void FrameReader::run(InputBuffer& in, FrameReaderHost& host) {
    size_t n = in.size();
    if (n % 4 != 0) {
        in.discard(n % 4);
        n -= n % 4;
    }
    while (n >= 8) {
        if (m_remaining == 0) {
            const uint32_t w0 = in.peekWord(0);
            if (w0 == kUpdateReplyLength && host.updateFormVisible()) {
                in.discard(4);
                const uint32_t reply = in.readWord();
                m_streaming = false;
                host.updateReply(reply);
                if ((reply & 0xFF) == kUpdateReplyEnd) {
                    m_streaming = true;
                    in.clear();
                    return;
                }
                n -= 8;
                continue;
            }
            if (n < kFrameHeaderLength)
                return; // the header's rest is still on its way
            if (!findHeader(in, n))
                return;
            m_remaining = kPayloadLength;
            m_ring[m_ringIndex].clear();
        }
        auto& slot = m_ring[m_ringIndex];
        const size_t take = std::min<size_t>(n, m_remaining);
        const size_t old = slot.size();
        slot.resize(old + take); // within the reserved capacity: no allocation
        in.read(slot.data() + old, take);
        m_remaining -= uint32_t(take);
        n -= take;
        if (m_remaining == 0)
            completeFrame(host);
    }
}

// Consumes words until a header (3712, its complement, counter) is found; false when the
// buffered bytes hold none.
bool FrameReader::findHeader(InputBuffer& in, size_t& n) {
    uint32_t w0 = in.readWord();
    uint32_t w1 = in.readWord();
    uint32_t w2 = in.readWord();
    n -= kFrameHeaderLength;
    while (!(w0 == kFrameLength && w1 == kFrameCheckWord)) {
        if (n < 4)
            return false;
        w0 = w1;
        w1 = w2;
        w2 = in.readWord();
        n -= 4;
    }
    m_frameCounter = w2;
    return true;
}

void FrameReader::completeFrame(FrameReaderHost& host) {
    m_streaming = true;
    host.frameReady(m_ring[m_ringIndex].data(), frameLParam(m_frameCounter, kPayloadLength));
    m_ringIndex = (m_ringIndex + 1) % kRingSlots;
}

} // namespace talix::link
