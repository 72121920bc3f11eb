#include "support/LoopbackServer.h"

#include "base/LittleEndian.h"
#include "support/WaitUntil.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace talix::testing {

LoopbackServer::LoopbackServer() {
    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int one = 1;
    setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(m_listenFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(m_listenFd, 4);
    socklen_t len = sizeof addr;
    getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] { acceptLoop(); });
}

LoopbackServer::~LoopbackServer() {
    m_stop = true;
    m_thread.join();
    closeConnection();
    ::close(m_listenFd);
}

void LoopbackServer::acceptLoop() {
    while (!m_stop) {
        int client;
        {
            std::lock_guard lock(m_mutex);
            client = m_clientFd;
        }
        pollfd fds[2] = {{m_listenFd, POLLIN, 0}, {client, POLLIN, 0}};
        const int nfds = client >= 0 ? 2 : 1;
        if (::poll(fds, nfds, 10) <= 0)
            continue;
        if (nfds == 2 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
            uint8_t buf[4096];
            const ssize_t n = ::recv(client, buf, sizeof buf, 0);
            std::lock_guard lock(m_mutex);
            if (client != m_clientFd) {
                // closed by the test meanwhile
            } else if (n > 0) {
                m_received.back().insert(m_received.back().end(), buf, buf + n);
            } else {
                ::close(m_clientFd);
                m_clientFd = -1;
                m_closedByPeer.back() = true;
            }
        }
        // The old connection's end is read before a new one replaces it.
        if (fds[0].revents & POLLIN) {
            const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                std::lock_guard lock(m_mutex);
                if (m_clientFd >= 0)
                    ::close(m_clientFd);
                m_clientFd = fd;
                m_received.emplace_back();
                m_closedByPeer.push_back(false);
            }
        }
    }
}

size_t LoopbackServer::connections() const {
    std::lock_guard lock(m_mutex);
    return m_received.size();
}

std::vector<uint8_t> LoopbackServer::received(size_t connection) const {
    std::lock_guard lock(m_mutex);
    return connection < m_received.size() ? m_received[connection] : std::vector<uint8_t>{};
}

bool LoopbackServer::send(const std::vector<uint8_t>& bytes) {
    std::lock_guard lock(m_mutex);
    if (m_clientFd < 0)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::send(m_clientFd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

void LoopbackServer::closeConnection() {
    std::lock_guard lock(m_mutex);
    if (m_clientFd >= 0) {
        ::shutdown(m_clientFd, SHUT_RDWR);
        ::close(m_clientFd);
        m_clientFd = -1;
    }
}

bool LoopbackServer::closedByPeer(size_t connection) const {
    std::lock_guard lock(m_mutex);
    return connection < m_closedByPeer.size() && m_closedByPeer[connection];
}

bool LoopbackServer::waitFor(const std::function<bool()>& condition,
                             std::chrono::milliseconds timeout) {
    return waitUntil(condition, timeout, std::chrono::milliseconds(2));
}

std::vector<uint8_t> boardFrame(uint32_t counter, uint8_t fill) {
    return boardFrame(counter, std::vector<uint8_t>(3700, fill));
}

std::vector<uint8_t> boardFrame(uint32_t counter, const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> f(12 + 3700, 0);
    writeLe32(f.data(), 3712);
    writeLe32(f.data() + 4, ~3712u);
    writeLe32(f.data() + 8, counter);
    std::copy_n(payload.begin(), std::min<size_t>(payload.size(), 3700), f.begin() + 12);
    return f;
}

} // namespace talix::testing
