#include "base/ManualResetEvent.h"
#include "base/StoppableThread.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A body that waits on its own event sees a stop at once through the wake-up, not at the end of
// its wait; destruction asks for the stop itself and returns only once the body has ended.
TEST(StoppableThread, AStopWakesTheBodyAndDestructionJoinsIt) {
    talix::ManualResetEvent wake;
    std::atomic<bool> ended{false};
    std::atomic<long> bodyTid{0};
    auto stopAskedAt = std::chrono::steady_clock::now();
    {
        talix::StoppableThread thread(talix::ThreadPriority::Normal, [&] { wake.set(); }, [&] {
            bodyTid = talix::currentThreadId();
            wake.waitFor(60s);
            ended = true;
        });
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (bodyTid.load() == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        EXPECT_EQ(thread.nativeTid(), bodyTid.load());
        EXPECT_FALSE(thread.stopRequested());
        EXPECT_FALSE(ended.load());
        stopAskedAt = std::chrono::steady_clock::now();
    }
    EXPECT_TRUE(ended.load());
    EXPECT_LT(std::chrono::steady_clock::now() - stopAskedAt, 30s);
}

} // namespace
