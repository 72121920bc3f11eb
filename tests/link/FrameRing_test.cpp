#include "base/LittleEndian.h"
#include "link/FrameReader.h"
#include "link/FrameRing.h"
#include "support/LoopbackServer.h"

#include <array>
#include <atomic>
#include <cstring>
#include <deque>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

using namespace talix;
using namespace talix::link;
using talix::testing::boardFrame;

namespace {

// Keeps the tickets as a user interface that has fallen behind does, taking none of them.
class LateHost : public FrameReaderHost {
public:
    void frameReady(FrameTicket ticket) override { tickets.push_back(ticket); }
    bool updateRepliesWanted() override { return false; }
    void updateReply(uint32_t) override {}
    std::vector<FrameTicket> tickets;
};

struct LateFeed {
    FrameRing ring;
    InputBuffer in;
    FrameReader reader{ring};
    LateHost host;
    void bytes(const std::vector<uint8_t>& b) {
        in.append(b.data(), b.size());
        reader.run(in, host);
    }
    void frames(uint32_t count) {
        for (uint32_t i = 0; i < count; ++i)
            bytes(boardFrame(i, uint8_t(i)));
    }
};

using Payload = std::array<uint8_t, kPayloadLength>;

bool allBytes(const Payload& p, uint8_t value) {
    return std::all_of(p.begin(), p.end(), [value](uint8_t b) { return b == value; });
}

} // namespace

// A user interface more than 31 frames behind finds the oldest slots rewritten: those frames are
// refused, never read with another frame's bytes; every frame still in its slot is read intact.
TEST(FrameRing, FramesWhoseSlotWasReusedAreRefusedAndTheRestReadIntact) {
    for (const uint32_t cut : {33u, 40u, 64u, 65u}) {
        LateFeed f;
        f.frames(cut);
        ASSERT_EQ(f.host.tickets.size(), cut);
        Payload out{};
        for (uint32_t i = 0; i < cut; ++i) {
            const bool stillThere = i + kRingSlots >= cut;
            EXPECT_EQ(f.ring.take(f.host.tickets[i], out), stillThere) << cut << " frame " << i;
            if (stillThere) {
                EXPECT_TRUE(allBytes(out, uint8_t(i))) << cut << " frame " << i;
            }
            EXPECT_EQ(f.host.tickets[i].lParam, frameLParam(i, kPayloadLength));
        }
    }
}

// The slot of the oldest frame is being filled with a new one that has not all arrived yet.
TEST(FrameRing, AFrameWhoseSlotIsBeingRewrittenIsRefused) {
    LateFeed f;
    f.frames(32);
    const auto next = boardFrame(32, 0xEE);
    f.bytes({next.begin(), next.begin() + kFrameHeaderLength + 100});
    Payload out{};
    EXPECT_FALSE(f.ring.take(f.host.tickets[0], out));
    EXPECT_TRUE(f.ring.take(f.host.tickets[1], out));
    EXPECT_TRUE(allBytes(out, 1));
}

TEST(FrameRing, TicketsThatNeverCameFromTheRingAreRefused) {
    FrameRing ring;
    Payload out{};
    struct Case {
        FrameTicket ticket;
        const char* what;
    };
    for (const Case& c :
         {Case{{0, 0, 0}, "an empty slot's stamp"}, Case{{0, 2, 0}, "a stamp not yet written"},
          Case{{0, 1, 0}, "an odd stamp"}, Case{{kRingSlots, 2, 0}, "a slot out of range"},
          Case{{255, 2, 0}, "the last slot number"}})
        EXPECT_FALSE(ring.take(c.ticket, out)) << c.what;
}

// One thread keeps rewriting the slots while another takes tickets, old and new: every copy that
// is accepted holds one frame only. Each frame's words all carry its number, as its lParam does.
TEST(FrameRing, EveryAcceptedCopyIsOneWholeFrameWhileTheWriterRuns) {
    FrameRing ring;
    std::mutex mutex;
    std::deque<FrameTicket> published; // the newest tickets, as a lagging event queue holds them
    std::atomic<bool> readerDone{false};

    std::thread writer([&] {
        std::array<uint8_t, kPayloadLength> bytes{};
        for (uint32_t n = 1; !readerDone; ++n) {
            for (size_t i = 0; i < kPayloadLength; i += 4)
                std::memcpy(bytes.data() + i, &n, 4);
            ring.begin();
            // In pieces, as TCP delivers them.
            ring.append(bytes.data(), 1460);
            ring.append(bytes.data() + 1460, 1460);
            ring.append(bytes.data() + 2920, kPayloadLength - 2920);
            const FrameTicket t = ring.complete(n);
            std::lock_guard lock(mutex);
            published.push_back(t);
            if (published.size() > 2 * kRingSlots)
                published.pop_front();
        }
    });

    constexpr int kTakes = 4000;
    int accepted = 0;
    int torn = 0;
    Payload out{};
    for (int i = 0; i < kTakes; ++i) {
        FrameTicket t;
        {
            std::lock_guard lock(mutex);
            if (published.empty()) {
                --i;
                std::this_thread::yield();
                continue;
            }
            // Alternately the oldest ticket kept (mostly rewritten by now) and the newest.
            t = (i % 2) ? published.front() : published.back();
        }
        if (!ring.take(t, out))
            continue;
        ++accepted;
        for (size_t w = 0; w < kPayloadLength; w += 4) {
            uint32_t word;
            std::memcpy(&word, out.data() + w, 4);
            if (word != t.lParam) {
                ++torn;
                break;
            }
        }
    }
    readerDone = true;
    writer.join();
    EXPECT_EQ(torn, 0);
    EXPECT_GT(accepted, 0);
}
