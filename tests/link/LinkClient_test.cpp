#include "link/LinkClient.h"
#include "link/support/DeafBoard.h"
#include "support/LoopbackServer.h"

#include <arpa/inet.h>
#include <condition_variable>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

using namespace talix::link;
using talix::testing::DeafBoard;
using talix::testing::LoopbackServer;

namespace {

struct StuckWriteCase {
    const char* name;
    size_t recordBytes;
    size_t mostBytes; // written before one must have timed out
};

void PrintTo(const StuckWriteCase& c, std::ostream* os) {
    *os << c.name;
}

class StuckWrite : public ::testing::TestWithParam<StuckWriteCase> {};

// A board that reads nothing: a write it does not take in time gives the connection up, whether
// part of the record went out (the stream would end inside it) or none (everything queued behind
// it is stale). The kernel holds little for such a board, so acknowledgements written one after
// another soon run into the time-out instead of piling up for hours.
TEST_P(StuckWrite, AWriteTheBoardDoesNotTakeInTimeGivesUpTheConnection) {
    const StuckWriteCase& c = GetParam();
    DeafBoard board;
    ASSERT_NE(board.port(), 0);
    LinkSettings settings;
    settings.board = {"127.0.0.1", board.port()};
    settings.readTimeoutMs = 100;
    LinkClient client(settings);
    ASSERT_TRUE(client.connect());
    const std::vector<uint8_t> record(c.recordBytes, 0xA5);
    bool timedOut = false;
    for (size_t written = 0; written < c.mostBytes && !timedOut; written += record.size())
        timedOut = !client.write(record.data(), record.size());
    EXPECT_TRUE(timedOut);
    EXPECT_FALSE(client.connected());
    EXPECT_FALSE(client.write(record.data(), 1));
}

INSTANTIATE_TEST_SUITE_P(Table, StuckWrite,
                         ::testing::Values(
                             // Far more than the socket buffers of both ends hold.
                             StuckWriteCase{"OneRecordLargerThanTheBuffersIsCutShort", 64 << 20,
                                            64 << 20},
                             StuckWriteCase{"AcknowledgementsFillTheBuffers", 5, 64 << 10}),
                         [](const auto& info) { return std::string(info.param.name); });

// A resolver that answers only when the test lets it.
struct HeldResolver {
    std::mutex mutex;
    std::condition_variable changed;
    bool entered = false;
    bool released = false;

    std::optional<uint32_t> resolve() {
        std::unique_lock lock(mutex);
        entered = true;
        changed.notify_all();
        changed.wait(lock, [this] { return released; });
        return INADDR_LOOPBACK;
    }
    bool waitEntered() {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(10), [this] { return entered; });
    }
    void release() {
        std::lock_guard lock(mutex);
        released = true;
        changed.notify_all();
    }
};

// A stop cannot interrupt a host name lookup; connect() must not wait for it once aborted.
TEST(LinkClient, AnAbortEndsTheWaitForAHostNameLookup) {
    auto held = std::make_shared<HeldResolver>();
    std::weak_ptr<HeldResolver> watch = held;
    std::atomic<bool> abort{false};
    LinkSettings settings;
    settings.board = {"localhost", 55555};
    settings.resolver = [held](const std::string&) { return held->resolve(); };
    auto client = std::make_unique<LinkClient>(settings);
    settings = {};
    auto connected = std::async(std::launch::async, [&] { return client->connect(&abort); });
    // However the test ends, the lookup is let go before the wait for connect().
    struct ReleaseOnExit {
        std::weak_ptr<HeldResolver> held;
        ~ReleaseOnExit() {
            if (auto h = held.lock())
                h->release();
        }
    } releaseOnExit{held};
    ASSERT_TRUE(held->waitEntered());
    abort = true;
    // The lookup is still held for the whole wait: only the abort can end it.
    ASSERT_EQ(connected.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(connected.get());
    client.reset();
    held->release();
    held.reset();
    // The lookup's helper finishes on its own and lets go of what it held.
    EXPECT_TRUE(LoopbackServer::waitFor([&] { return watch.expired(); }));
}

// The addresses of the real device, which no test may reach.
const std::string kRealBoardHost = "192.168.4.1";
constexpr const char* kDefaultRotatorHost = "192.168.4.2";

uint32_t hostOrder(const std::string& dotted) {
    in_addr a{};
    inet_pton(AF_INET, dotted.c_str(), &a);
    return ntohl(a.s_addr);
}

// What a looked-up name leads to: the loopback guard applies to the address found.
TEST(LinkClient, AHostNameConnectsToTheAddressItResolvesToWithinTheGuard) {
    ASSERT_FALSE(talix::destinationAllowed(kRealBoardHost)); // asserted before it is tried
    LoopbackServer board;
    struct Case {
        const char* what;
        std::optional<uint32_t> address;
        bool connects;
    };
    for (const Case& c : {Case{"loopback", INADDR_LOOPBACK, true},
                          Case{"the real board", hostOrder(kRealBoardHost), false},
                          Case{"not found", std::nullopt, false}}) {
        LinkSettings settings;
        settings.board = {"localhost", board.port()};
        std::vector<std::string> asked;
        settings.resolver = [&](const std::string& host) {
            asked.push_back(host);
            return c.address;
        };
        LinkClient client(settings);
        EXPECT_EQ(client.connect(), c.connects) << c.what;
        EXPECT_EQ(asked, std::vector<std::string>{"localhost"}) << c.what;
    }
}

TEST(LinkClient, ANumericAddressIsNotLookedUp) {
    LoopbackServer board;
    LinkSettings settings;
    settings.board = {"127.0.0.1", board.port()};
    bool asked = false;
    settings.resolver = [&](const std::string&) -> std::optional<uint32_t> {
        asked = true;
        return std::nullopt;
    };
    LinkClient client(settings);
    EXPECT_TRUE(client.connect());
    EXPECT_FALSE(asked);
}

// Only the start options know where the real board is: a client that is not told has no address,
// and looks for none, whether or not the loopback guard holds.
TEST(LinkClient, AClientNotToldWhereTheBoardIsReachesNothing) {
    const LinkSettings untold;
    EXPECT_EQ(untold.board.toString(), ":0");
    LinkSettings settings = untold;
    bool asked = false;
    settings.resolver = [&](const std::string&) -> std::optional<uint32_t> {
        asked = true;
        return INADDR_LOOPBACK;
    };
    LinkClient client(settings);
    EXPECT_FALSE(client.connect());
    EXPECT_FALSE(asked);
}

// Every test program turns the guard on before main, whatever its environment: CTest also runs
// this test with TALIX_LOOPBACK_ONLY removed from it.
TEST(LoopbackGuard, HoldsWithoutTheEnvironment) {
    EXPECT_TRUE(talix::destinationAllowed("127.0.0.1"));
    EXPECT_TRUE(talix::destinationAllowed("localhost"));
    EXPECT_FALSE(talix::destinationAllowed(kRealBoardHost));
    EXPECT_FALSE(talix::destinationAllowed(kDefaultRotatorHost));
    EXPECT_FALSE(talix::destinationAllowed("receiver.local"));
}

} // namespace
