// The datagram client on a real loopback socket: what it sends arrives as sent, a new host keeps
// the port, and the loopback guard refuses every target outside 127.0.0.0/8, by name or address.
#include "link/DatagramClient.h"
#include "support/DatagramReceiver.h"

#include <gtest/gtest.h>

using namespace talix;
using namespace talix::link;
using namespace talix::testing;

namespace {

const Datagram kBytes{13, 178, 116};

TEST(DatagramClient, SendsEachDatagramAsItIs) {
    DatagramReceiver rotator;
    ASSERT_TRUE(rotator.bound());
    DatagramClient client({"127.0.0.1", rotator.port()});
    EXPECT_TRUE(client.send(kBytes));
    EXPECT_TRUE(client.send(Datagram{13, 18, 0}));
    EXPECT_EQ(rotator.take(2), (std::vector<Datagram>{kBytes, {13, 18, 0}}));
}

TEST(DatagramClient, ANewHostKeepsThePort) {
    DatagramReceiver first("127.0.0.1");
    ASSERT_TRUE(first.bound());
    DatagramReceiver moved("127.0.0.7", first.port());
    ASSERT_TRUE(moved.bound());
    DatagramClient client({"127.0.0.1", first.port()});
    client.setHost("127.0.0.7");
    EXPECT_EQ(client.target().host, "127.0.0.7");
    EXPECT_EQ(client.target().port, first.port());
    EXPECT_TRUE(client.send(kBytes));
    EXPECT_EQ(moved.take(1), std::vector<Datagram>{kBytes});
    EXPECT_TRUE(first.take().empty());
}

// A client that is not told where the rotator is sends nowhere and looks nothing up.
TEST(DatagramClient, AClientNotToldWhereTheRotatorIsSendsNothing) {
    bool asked = false;
    DatagramClient client(Endpoint{}, [&](const std::string&) -> std::optional<uint32_t> {
        asked = true;
        return 0x7F000001;
    });
    EXPECT_FALSE(client.send(kBytes));
    EXPECT_FALSE(asked);
}

TEST(DatagramClient, ANameIsResolvedOnce) {
    DatagramReceiver rotator;
    int lookups = 0;
    DatagramClient client({"localhost", rotator.port()}, [&](const std::string& host) {
        ++lookups;
        return host == "localhost" ? std::optional<uint32_t>(0x7F000001) : std::nullopt;
    });
    EXPECT_TRUE(client.send(kBytes));
    EXPECT_TRUE(client.send(kBytes));
    EXPECT_EQ(lookups, 1);
    EXPECT_EQ(rotator.take(2).size(), 2u);
}

// Each send below would leave this machine were the guard off: it is asserted first, not trusted.
bool guardRefuses(std::initializer_list<const char*> hosts) {
    for (const char* host : hosts)
        if (talix::destinationAllowed(host))
            return false;
    return true;
}

TEST(DatagramClient, RefusesTargetsOutsideLoopback) {
    ASSERT_TRUE(guardRefuses({"192.168.4.2", "10.0.0.1", "kap.local"}));
    const auto realRotator = [](const std::string&) { return std::optional<uint32_t>(0xC0A80402); };
    const auto unknown = [](const std::string&) { return std::optional<uint32_t>(); };
    struct Case {
        const char* host;
        HostResolver resolver;
    };
    const Case cases[] = {
        {"192.168.4.2", {}},        // the real rotator's default address
        {"10.0.0.1", {}},           // any other network
        {"kap.local", {}},          // a name other than localhost: refused before any lookup
        {"localhost", realRotator}, // a name that resolves outside loopback
        {"localhost", unknown},     // or not at all
    };
    for (const Case& c : cases) {
        DatagramClient client({c.host, 55556}, c.resolver);
        EXPECT_FALSE(client.send(kBytes)) << c.host;
    }
}

TEST(DatagramClient, AMoveOutsideLoopbackStopsTheDatagramsUntilItComesBack) {
    ASSERT_TRUE(guardRefuses({"192.168.4.7"}));
    DatagramReceiver rotator;
    DatagramClient client({"127.0.0.1", rotator.port()});
    client.setHost("192.168.4.7");
    EXPECT_FALSE(client.send(kBytes));
    client.setHost("127.0.0.1");
    EXPECT_TRUE(client.send(Datagram{13, 18, 0}));
    EXPECT_EQ(rotator.take(1), (std::vector<Datagram>{{13, 18, 0}}));
}

} // namespace
