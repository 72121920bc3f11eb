#pragma once

#include "link/LinkFrame.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace talix::link {

// A complete payload as handed to the user interface: which slot holds it, and the stamp the slot
// carried when the frame was complete.
struct FrameTicket {
    uint8_t slot = 0;
    uint64_t stamp = 0;
    uint32_t lParam = 0; // frameLParam(counter, payload length)
};

// The 32 payload slots the receive thread fills and the user interface reads, allocated once.
// Each slot carries a stamp from the running frame number: odd while the slot is being written,
// even once its frame is complete. A reader that fell more than 31 frames behind finds the stamp
// changed and drops the frame instead of reading one torn by the writer.
// One writer thread; take() may be called from any thread at the same time.
class FrameRing {
public:
    FrameRing();

    // Writer: starts a frame in the current slot (its stamp turns odd).
    void begin();
    // Writer: appends whole words to the frame begun; what does not fit is ignored.
    void append(const uint8_t* bytes, size_t size);
    // Writer: completes the frame (its stamp turns even) and moves on to the next slot.
    FrameTicket complete(uint32_t lParam);
    int writeIndex() const { return m_index; }

    // Copies the payload into `out` only while the slot still holds exactly that frame; false
    // otherwise, and `out` is then to be ignored.
    bool take(const FrameTicket& ticket, std::span<uint8_t, kPayloadLength> out) const;

private:
    static constexpr size_t kWords = kPayloadLength / 4;
    static_assert(kPayloadLength % 4 == 0, "payloads are whole words");

    // The bytes are atomic words so that a reader overlapping a write is a detected stale copy,
    // not a data race.
    struct Slot {
        std::atomic<uint64_t> stamp{0};
        std::array<std::atomic<uint32_t>, kWords> words;
    };

    std::unique_ptr<Slot[]> m_slots;
    uint64_t m_frameNumber = 0; // writer only
    size_t m_filled = 0;        // words of the frame begun
    int m_index = 0;
};

} // namespace talix::link
