#include "audio/BlockPacer.h"

namespace talix::audio {

void BlockPacer::add(WaveHeader& header, Clock::time_point now) {
    if (m_queue.empty()) {
        if (m_paused)
            m_frontLeft = m_blockDuration;
        else
            m_frontDue = now + m_blockDuration;
    }
    m_queue.push_back(&header);
}

WaveHeader* BlockPacer::takeDue(Clock::time_point now) {
    if (m_paused || m_queue.empty() || now < m_frontDue)
        return nullptr;
    WaveHeader* header = m_queue.front();
    m_queue.pop_front();
    // Back to back: the next block's time follows from this one's, not from when we were called.
    m_frontDue += m_blockDuration;
    return header;
}

WaveHeader* BlockPacer::takeAny() {
    if (m_queue.empty())
        return nullptr;
    WaveHeader* header = m_queue.front();
    m_queue.pop_front();
    if (m_paused)
        m_frontLeft = m_blockDuration;
    else
        m_frontDue += m_blockDuration;
    return header;
}

std::optional<BlockPacer::Clock::time_point> BlockPacer::nextDue() const {
    if (m_paused || m_queue.empty())
        return std::nullopt;
    return m_frontDue;
}

void BlockPacer::pause(Clock::time_point now) {
    if (m_paused)
        return;
    m_paused = true;
    if (!m_queue.empty())
        m_frontLeft = m_frontDue > now ? m_frontDue - now : Clock::duration::zero();
}

void BlockPacer::restart(Clock::time_point now) {
    if (!m_paused)
        return;
    m_paused = false;
    if (!m_queue.empty())
        m_frontDue = now + m_frontLeft;
}

} // namespace talix::audio
