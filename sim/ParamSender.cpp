#include "sim/ParamSender.h"

#include <algorithm>

namespace talix::sim {

namespace {
constexpr uint32_t kSeqMask = 0x7FFFFF;
}

ParamSender::ParamSender(std::chrono::milliseconds resendAfter) : m_resendAfter(resendAfter) {}

bool ParamSender::queueBlock(ParamBlock words) {
    if (words.empty() || words.size() > kMaxBlockWords)
        return false;
    m_queue.push_back(std::move(words));
    return true;
}

bool ParamSender::queueBlockFront(ParamBlock words) {
    if (words.empty() || words.size() > kMaxBlockWords)
        return false;
    m_queue.push_front(std::move(words));
    return true;
}

uint32_t ParamSender::takeSeq() {
    const uint32_t seq = m_nextSeq;
    m_nextSeq = (m_nextSeq + 1) & kSeqMask;
    if (m_nextSeq == 0)
        m_nextSeq = 1;
    return seq;
}

void ParamSender::reset() {
    m_inFlight.reset();
    m_sentWords = 0;
}

bool ParamSender::acknowledge(uint32_t seq) {
    if (!m_inFlight || m_inFlight->seq != (seq & kSeqMask))
        return false;
    m_inFlight.reset();
    m_sentWords = 0;
    ++m_acknowledged;
    return true;
}

void ParamSender::start(Clock::time_point now) {
    m_inFlight->seq = takeSeq();
    m_inFlight->sentAt = now;
    m_sentWords = 0;
}

void ParamSender::fillFrame(FrameContent& content, Clock::time_point now, const Source& source) {
    content.streamHeader = 0;
    if (!m_inFlight) {
        std::optional<ParamBlock> next;
        if (!m_queue.empty()) {
            next = std::move(m_queue.front());
            m_queue.pop_front();
        } else if (source) {
            next = source();
            if (next && (next->empty() || next->size() > kMaxBlockWords))
                next.reset();
        }
        if (!next)
            return;
        InFlight block;
        block.framed.reserve(next->size() + 1);
        block.framed.push_back(uint32_t(4 * (next->size() + 1)));
        block.framed.insert(block.framed.end(), next->begin(), next->end());
        m_inFlight = std::move(block);
        start(now);
    } else if (!continuationDue() && now - m_inFlight->sentAt >= m_resendAfter) {
        ++m_resends;
        start(now);
    }
    if (!continuationDue())
        return;

    const auto total = uint32_t(m_inFlight->framed.size());
    const bool first = m_sentWords == 0;
    uint32_t count = 0;
    if (first) {
        count = std::min<uint32_t>(total, kStreamAreaWords);
        if (m_splitter)
            count = std::clamp<uint32_t>(m_splitter(total), 1, count);
        if (total - count > kStreamAreaWords)
            count = total - kStreamAreaWords; // the rest must fit one continuation
    } else {
        count = total - uint32_t(m_sentWords);
    }
    std::copy_n(m_inFlight->framed.begin() + long(m_sentWords), count, content.words.begin());
    content.streamHeader = streamHeader(count, m_inFlight->seq, !first);
    m_sentWords += count;
}

} // namespace talix::sim
