// The frame reader fed arbitrary bytes in arbitrary pieces, as the socket may deliver them.
// Input: byte 0 says, bit k for the k-th piece (cycling over 8), whether the update form is shown
// while that piece is read; bytes 1 to 4 are the sizes of the pieces (1 + b * 29 bytes, cycling,
// so a piece may hold a few bytes or two whole frames); the rest is the board's byte stream.
#include "link/FrameReader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

using namespace talix::link;

namespace {

constexpr size_t kPrefix = 5;
constexpr size_t kPieceUnit = 29;

FrameRing ring;

class Host : public FrameReaderHost {
public:
    void frameReady(FrameTicket ticket) override {
        // Nothing writes the ring meanwhile: the newest ticket must be taken, and whole.
        if (!ring.take(ticket, payload))
            __builtin_trap();
        uint32_t sum = 0;
        for (const uint8_t b : payload)
            sum += b;
        sink ^= sum ^ ticket.lParam;
        if ((ticket.lParam & 0xFFFF) != kPayloadLength)
            __builtin_trap();
    }
    bool updateRepliesWanted() override { return updateVisible; }
    void updateReply(uint32_t word) override {
        if (!updateVisible)
            __builtin_trap(); // replies are cut only while the update form is shown
        sink ^= word;
    }
    bool updateVisible = false;
    uint32_t sink = 0;
    std::array<uint8_t, kPayloadLength> payload{};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kPrefix)
        return 0;
    static InputBuffer in(64 * 1024);
    static FrameReader reader(ring);
    in.clear();
    reader.reset();
    Host host;
    const uint8_t shownMask = data[0];
    size_t piece = 0;
    for (size_t at = kPrefix; at < size; ++piece) {
        const size_t want = 1 + size_t(data[1 + piece % 4]) * kPieceUnit;
        const size_t n = std::min(want, size - at);
        host.updateVisible = (shownMask >> (piece % 8)) & 1;
        in.append(data + at, n);
        at += n;
        reader.run(in, host);
        if (reader.ringIndex() < 0 || reader.ringIndex() >= kRingSlots ||
            reader.remaining() > kPayloadLength)
            __builtin_trap();
    }
    return 0;
}
