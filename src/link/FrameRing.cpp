#include "link/FrameRing.h"

#include <algorithm>
#include <cstring>

namespace talix::link {

FrameRing::FrameRing() : m_slots(std::make_unique<Slot[]>(kRingSlots)) {}

// Seqlock writer: the odd stamp is published before any byte of the new frame, the even one after
// the last.
void FrameRing::begin() {
    Slot& slot = m_slots[size_t(m_index)];
    ++m_frameNumber;
    slot.stamp.store(2 * m_frameNumber - 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
    m_filled = 0;
}

void FrameRing::append(const uint8_t* bytes, size_t size) {
    Slot& slot = m_slots[size_t(m_index)];
    const size_t words = std::min(size / 4, kWords - m_filled);
    for (size_t i = 0; i < words; ++i) {
        uint32_t w;
        std::memcpy(&w, bytes + 4 * i, 4);
        slot.words[m_filled + i].store(w, std::memory_order_relaxed);
    }
    m_filled += words;
}

FrameTicket FrameRing::complete(uint32_t lParam) {
    Slot& slot = m_slots[size_t(m_index)];
    const uint64_t stamp = 2 * m_frameNumber;
    slot.stamp.store(stamp, std::memory_order_release);
    const FrameTicket ticket{uint8_t(m_index), stamp, lParam};
    m_index = (m_index + 1) % kRingSlots;
    return ticket;
}

bool FrameRing::take(const FrameTicket& ticket, std::span<uint8_t, kPayloadLength> out) const {
    if (ticket.slot >= kRingSlots || ticket.stamp == 0 || (ticket.stamp & 1) != 0)
        return false;
    const Slot& slot = m_slots[ticket.slot];
    if (slot.stamp.load(std::memory_order_acquire) != ticket.stamp)
        return false;
    for (size_t i = 0; i < kWords; ++i) {
        const uint32_t w = slot.words[i].load(std::memory_order_relaxed);
        std::memcpy(out.data() + 4 * i, &w, 4);
    }
    // Any word the writer stored after the copy began makes the stamp read below differ.
    std::atomic_thread_fence(std::memory_order_acquire);
    return slot.stamp.load(std::memory_order_relaxed) == ticket.stamp;
}

} // namespace talix::link
