#include "link/support/ClosingBoard.h"

#include "support/LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace talix::testing {

ClosingBoard::ClosingBoard(std::set<size_t> withFrame) : m_withFrame(std::move(withFrame)) {
    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (m_listenFd < 0 || ::bind(m_listenFd, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
        ::listen(m_listenFd, 64) != 0 ||
        ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        return;
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] { acceptLoop(); });
}

ClosingBoard::~ClosingBoard() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
}

void ClosingBoard::acceptLoop() {
    while (!m_stop) {
        pollfd p{m_listenFd, POLLIN, 0};
        if (::poll(&p, 1, 10) <= 0)
            continue;
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        const size_t number = m_connections++;
        if (m_withFrame.count(number) != 0)
            sendFrame(fd, uint32_t(number));
        ::close(fd);
    }
}

// The greeting is read first: closing with it unread would reset the connection, and the frame
// might then never be read.
void ClosingBoard::sendFrame(int fd, uint32_t counter) {
    pollfd p{fd, POLLIN, 0};
    uint8_t greeting = 0;
    if (::poll(&p, 1, 10000) <= 0 || ::recv(fd, &greeting, 1, 0) != 1)
        return;
    const std::vector<uint8_t> frame = boardFrame(counter);
    size_t done = 0;
    while (done < frame.size()) {
        const ssize_t n = ::send(fd, frame.data() + done, frame.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        done += size_t(n);
    }
    ::shutdown(fd, SHUT_WR);
}

} // namespace talix::testing
