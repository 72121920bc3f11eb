#include "support/DatagramReceiver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace talix::testing {

DatagramReceiver::DatagramReceiver(const std::string& host, uint16_t port) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    if (inet_pton(AF_INET, host.c_str(), &addr.sin_addr) != 1 ||
        (ntohl(addr.sin_addr.s_addr) >> 24) != 127)
        return; // loopback only
    m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0)
        return;
    // A drag sends a datagram per step and the tests read them afterwards: room for thousands,
    // whatever the machine's default buffer.
    const int buffer = 4 << 20;
    ::setsockopt(m_fd, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    socklen_t len = sizeof addr;
    if (::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_port = ntohs(addr.sin_port);
}

DatagramReceiver::~DatagramReceiver() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void DatagramReceiver::drain() {
    uint8_t buffer[512];
    while (true) {
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n < 0)
            return;
        m_received.emplace_back(buffer, buffer + n);
    }
}

std::vector<Datagram> DatagramReceiver::take(size_t count, std::chrono::milliseconds timeout) {
    if (m_fd < 0)
        return {};
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    drain();
    while (m_received.size() < count && std::chrono::steady_clock::now() < deadline) {
        pollfd p{m_fd, POLLIN, 0};
        ::poll(&p, 1, 20);
        drain();
    }
    std::vector<Datagram> r;
    r.swap(m_received);
    return r;
}

} // namespace talix::testing
