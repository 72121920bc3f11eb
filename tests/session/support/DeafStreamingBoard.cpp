#include "session/support/DeafStreamingBoard.h"

#include "support/LoopbackServer.h"
#include "support/ParamFrames.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace talix::testing {

namespace {

constexpr uint32_t kLargestSeq = 0x7FFFFF;

std::vector<uint8_t> blockFrame(uint32_t counter, uint32_t seq) {
    const Words b = block({0}); // one filler word: nothing to show, still acknowledged
    return boardFrame(counter, payload(streamHeader(uint32_t(b.size()), seq, false), b));
}

// Sends all of `bytes` unless the connection fails or `stop` is set; waits for room in slices.
bool sendAll(int fd, const std::vector<uint8_t>& bytes, const std::atomic<bool>& stop) {
    size_t done = 0;
    while (done < bytes.size()) {
        if (stop)
            return false;
        const ssize_t n =
            ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            done += size_t(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        pollfd p{fd, POLLOUT, 0};
        ::poll(&p, 1, 10);
        if (p.revents & (POLLERR | POLLHUP))
            return false;
    }
    return true;
}

} // namespace

DeafStreamingBoard::DeafStreamingBoard(uint32_t nextBlockSeq) : m_nextBlockSeq(nextBlockSeq) {
    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    // Inherited by the connections it accepts. Smaller still, loopback TCP stalls the stream to
    // the program as well, which would test the silence rule instead.
    const int small = 4096;
    ::setsockopt(m_listenFd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (m_listenFd < 0 || ::bind(m_listenFd, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
        ::listen(m_listenFd, 4) != 0 ||
        ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        return;
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] { run(); });
}

DeafStreamingBoard::~DeafStreamingBoard() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listenFd >= 0)
        ::close(m_listenFd);
}

std::vector<uint8_t> DeafStreamingBoard::receivedAfterward() const {
    std::lock_guard lock(m_mutex);
    return m_received;
}

void DeafStreamingBoard::run() {
    const int first = acceptNext();
    if (first < 0)
        return;
    streamUntilGivenUp(first);
    ::close(first);
    const int second = acceptNext();
    if (second < 0)
        return;
    answerAndRecord(second);
    ::close(second);
}

int DeafStreamingBoard::acceptNext() {
    while (!m_stop) {
        pollfd p{m_listenFd, POLLIN, 0};
        if (::poll(&p, 1, 10) > 0)
            return ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    }
    return -1;
}

// A frame a millisecond, twelve times a real board's rate, so that the program's acknowledgements
// fill what little the kernels hold within seconds; nothing is ever read.
void DeafStreamingBoard::streamUntilGivenUp(int fd) {
    uint32_t seq = 0;
    while (sendAll(fd, blockFrame(seq, seq % kLargestSeq + 1), m_stop)) {
        m_streamed = ++seq;
        ::poll(nullptr, 0, 1);
    }
    m_givenUp = !m_stop;
}

void DeafStreamingBoard::answerAndRecord(int fd) {
    bool answered = false;
    while (!m_stop) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 10) <= 0)
            continue;
        uint8_t bytes[4096];
        const ssize_t n = ::recv(fd, bytes, sizeof bytes, 0);
        if (n <= 0)
            return;
        {
            std::lock_guard lock(m_mutex);
            m_received.insert(m_received.end(), bytes, bytes + n);
        }
        if (!answered)
            answered = sendAll(fd, blockFrame(0, m_nextBlockSeq), m_stop);
    }
}

} // namespace talix::testing
