// LinkWindow hands the receive thread's frames to the UI thread: a frame whose ring slot was
// reused before the UI thread came to it is dropped and counted, never read torn.
#include "link/FrameRing.h"
#include "session/LinkWindow.h"
#include "session/support/CoreApplication.h"

#include <QCoreApplication>
#include <atomic>
#include <gtest/gtest.h>
#include <vector>

using namespace talix;
using namespace talix::session;

namespace {

// Keeps the counter of every frame handled, and whether its bytes were all its own.
struct FrameLog : LinkMessageHandler {
    std::vector<uint16_t> counters;
    int torn = 0;

    void linkFrame(const uint8_t* payload, uint32_t lParam) override {
        const auto counter = uint16_t(lParam >> 16);
        counters.push_back(counter);
        for (size_t i = 0; i < link::kPayloadLength; ++i)
            if (payload[i] != uint8_t(counter)) {
                ++torn;
                break;
            }
    }
    void linkLostDisplay() override {}
    void updateReply(uint32_t) override {}
    void deviceMessage(audio::DeviceEvent::Kind) override {}
};

// A frame as the receive thread cuts it: every byte of the payload is the low byte of `counter`.
void cutFrame(link::FrameRing& ring, LinkWindow& window, uint16_t counter) {
    const std::vector<uint8_t> payload(link::kPayloadLength, uint8_t(counter));
    ring.begin();
    ring.append(payload.data(), payload.size());
    window.frameReady(ring.complete(link::frameLParam(counter, link::kPayloadLength)));
}

} // namespace

TEST(LinkWindow, FramesWhoseSlotWasReusedAreDroppedAndCountedNotRead) {
    session::testing::ensureCoreApplication();
    link::FrameRing ring;
    FrameLog log;
    std::atomic<bool> closing{false};
    LinkWindow window(log, ring, closing);

    // The UI thread falls 40 frames behind: the first 8 slots have been written again.
    for (uint16_t c = 0; c < 40; ++c)
        cutFrame(ring, window, c);
    QCoreApplication::sendPostedEvents(&window);

    ASSERT_EQ(log.counters.size(), 32u);
    EXPECT_EQ(log.counters.front(), 8);
    EXPECT_EQ(log.counters.back(), 39);
    EXPECT_EQ(log.torn, 0);
    EXPECT_EQ(window.framesDropped(), 8u);

    // Keeping up again, every frame is read.
    cutFrame(ring, window, 40);
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_EQ(log.counters.back(), 40);
    EXPECT_EQ(window.framesDropped(), 8u);
}

TEST(LinkWindow, FramesStillQueuedWhenTheProgramEndsAreNotRead) {
    session::testing::ensureCoreApplication();
    link::FrameRing ring;
    FrameLog log;
    std::atomic<bool> closing{false};
    LinkWindow window(log, ring, closing);
    cutFrame(ring, window, 1);
    closing = true;
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_TRUE(log.counters.empty());
}
