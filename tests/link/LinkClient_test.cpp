#include "link/LinkClient.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using namespace talix::link;

namespace {

// A board that accepts the connection (the kernel does, from its backlog) and never reads.
class DeafBoard {
public:
    DeafBoard() {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), len) != 0 ||
            ::listen(m_fd, 1) != 0 ||
            ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            return;
        m_port = ntohs(a.sin_port);
    }
    ~DeafBoard() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    uint16_t port() const { return m_port; }

private:
    int m_fd = -1;
    uint16_t m_port = 0;
};

// A write that runs out of time after part of it went out leaves the stream inside a record: the
// connection must not be used for another write.
TEST(LinkClient, AWriteCutShortByItsTimeOutGivesUpTheConnection) {
    DeafBoard board;
    ASSERT_NE(board.port(), 0);
    LinkSettings settings;
    settings.board = {"127.0.0.1", board.port()};
    settings.readTimeoutMs = 100;
    LinkClient client(settings);
    ASSERT_TRUE(client.connect());
    // Far more than the socket buffers of both ends hold.
    const std::vector<uint8_t> bytes(64 << 20, 0xA5);
    EXPECT_FALSE(client.write(bytes.data(), bytes.size()));
    EXPECT_FALSE(client.connected());
    EXPECT_FALSE(client.write(bytes.data(), 1));
}

// Every test program turns the guard on before main, whatever its environment: CTest also runs
// this test with TALIX_LOOPBACK_ONLY removed from it.
TEST(LoopbackGuard, HoldsWithoutTheEnvironment) {
    EXPECT_TRUE(talix::destinationAllowed("127.0.0.1"));
    EXPECT_TRUE(talix::destinationAllowed("localhost"));
    EXPECT_FALSE(talix::destinationAllowed("192.168.4.1"));
    EXPECT_FALSE(talix::destinationAllowed("192.168.4.2"));
    EXPECT_FALSE(talix::destinationAllowed("receiver.local"));
}

} // namespace
