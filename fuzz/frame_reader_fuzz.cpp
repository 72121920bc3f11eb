// The frame reader fed arbitrary bytes in arbitrary pieces. The first input byte picks the piece
// sizes and whether the update form is shown.
#include "link/FrameReader.h"

#include <cstddef>
#include <cstdint>

using namespace talix::link;

namespace {
class Host : public FrameReaderHost {
public:
    void frameReady(const uint8_t* payload, uint32_t lParam) override {
        // Touch the whole payload so that a short delivery shows up under AddressSanitizer.
        uint32_t sum = 0;
        for (uint32_t i = 0; i < kPayloadLength; ++i)
            sum += payload[i];
        sink ^= sum ^ lParam;
        if ((lParam & 0xFFFF) != kPayloadLength)
            __builtin_trap();
    }
    bool updateFormVisible() override { return updateVisible; }
    void updateReply(uint32_t word) override { sink ^= word; }
    bool updateVisible = false;
    uint32_t sink = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static InputBuffer in(64 * 1024);
    static FrameReader reader;
    in.clear();
    reader.reset();
    Host host;
    host.updateVisible = (data[0] & 0x80) != 0;
    const size_t piece = 1 + (data[0] & 0x7F) * 37;
    for (size_t at = 1; at < size; at += piece) {
        const size_t n = size - at < piece ? size - at : piece;
        in.append(data + at, n);
        reader.run(in, host);
        if (reader.ringIndex() < 0 || reader.ringIndex() >= kRingSlots || reader.remaining() > kPayloadLength)
            __builtin_trap();
    }
    return 0;
}
