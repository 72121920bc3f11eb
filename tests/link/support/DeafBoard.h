#pragma once

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace talix::testing {

// A board on 127.0.0.1 that takes a connection and never reads from it. Its receive buffer is
// as small as the kernel allows, so that a large write soon blocks. Closing it with the bytes
// unread resets the connection, which ends a write blocked on it at once.
class DeafBoard {
public:
    DeafBoard() {
        m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int small = 1;
        ::setsockopt(m_listenFd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (m_listenFd < 0 || ::bind(m_listenFd, reinterpret_cast<sockaddr*>(&a), len) != 0 ||
            ::listen(m_listenFd, 1) != 0 ||
            ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            return;
        m_port = ntohs(a.sin_port);
    }
    ~DeafBoard() { close(); }
    DeafBoard(const DeafBoard&) = delete;
    DeafBoard& operator=(const DeafBoard&) = delete;

    uint16_t port() const { return m_port; }
    // Takes the connection the kernel completed (blocks until there is one).
    bool accept() {
        m_clientFd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        return m_clientFd >= 0;
    }
    void close() {
        for (int* fd : {&m_clientFd, &m_listenFd}) {
            if (*fd >= 0)
                ::close(*fd);
            *fd = -1;
        }
    }

private:
    int m_listenFd = -1;
    int m_clientFd = -1;
    uint16_t m_port = 0;
};

} // namespace talix::testing
