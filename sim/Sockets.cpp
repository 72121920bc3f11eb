#include "sim/Sockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace talix::sim {

namespace {

bool toAddress(const Endpoint& at, sockaddr_in& addr, std::string& error) {
    addr = sockaddr_in{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(at.port);
    const std::string host = at.host == "localhost" ? "127.0.0.1" : at.host;
    if (inet_pton(AF_INET, host.c_str(), &addr.sin_addr) != 1) {
        error = "not a numeric IPv4 address: " + at.host;
        return false;
    }
    return true;
}

std::string failure(const char* failed, const Endpoint& at) {
    return std::string(failed) + " " + at.toString() + ": " + std::strerror(errno);
}

// A non-blocking socket of the type bound to exactly the address, or -1 with the reason (what
// failed: "cannot listen on", "cannot bind").
int boundSocket(const Endpoint& at, int type, const char* failed, std::string& error) {
    sockaddr_in addr{};
    if (!toAddress(at, addr, error))
        return -1;
    const int fd = ::socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    const int one = 1;
    if (type == SOCK_STREAM)
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        error = failure(failed, at);
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

int listenTcp(const Endpoint& at, std::string& error) {
    const char* failed = "cannot listen on";
    const int fd = boundSocket(at, SOCK_STREAM, failed, error);
    if (fd >= 0 && ::listen(fd, 4) != 0) {
        error = failure(failed, at);
        ::close(fd);
        return -1;
    }
    return fd;
}

int bindUdp(const Endpoint& at, std::string& error) {
    return boundSocket(at, SOCK_DGRAM, "cannot bind", error);
}

uint16_t localPort(int fd) {
    sockaddr_in addr{};
    socklen_t len = sizeof addr;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        return 0;
    return ntohs(addr.sin_port);
}

int acceptTcp(int listenFd) {
    const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return -1;
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

void closeSocket(int& fd) {
    if (fd < 0)
        return;
    ::shutdown(fd, SHUT_RDWR);
    ::close(fd);
    fd = -1;
}

} // namespace talix::sim
