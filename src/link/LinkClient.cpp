#include "link/LinkClient.h"

#include "link/HostLookup.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <linux/sockios.h>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace talix::link {

namespace {

// The records are a few bytes each, a few hundred during an update, which waits for the board's
// reply to each: a board that reads keeps far less than this waiting. A board that stops reading
// while its stream still flows would otherwise leave the kernel to hold megabytes of stale
// acknowledgements and commands for it, to be read in a burst later; beyond this, a write waits
// for the board to take its bytes, and gives the connection up at its time-out.
constexpr size_t kMostUntakenBytes = 2048;
// The kernel tells no one when the board has taken bytes: the count is looked at in slices.
constexpr auto kUntakenSlice = std::chrono::milliseconds(10);

// A resolution the caller may stop waiting for: a stop cannot interrupt getaddrinfo, so it runs
// on a helper thread of its own, which finishes on its own and then releases this state.
struct Resolution {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::optional<uint32_t> address;
};

std::optional<uint32_t> resolveUnlessAborted(const std::string& host, HostResolver resolver,
                                             const std::atomic<bool>* abort) {
    auto state = std::make_shared<Resolution>();
    try {
        std::thread([state, host, resolver = std::move(resolver)] {
            auto address = resolver ? resolver(host) : lookUpHost(host);
            {
                std::lock_guard lock(state->mutex);
                state->address = address;
                state->finished = true;
            }
            state->done.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return std::nullopt; // no thread to spare: this attempt fails, the next one tries again
    }
    std::unique_lock lock(state->mutex);
    while (!state->finished) {
        if (abort && abort->load())
            return std::nullopt;
        state->done.wait_for(lock, std::chrono::milliseconds(50));
    }
    return state->address;
}

bool resolve(const LinkSettings& settings, const std::atomic<bool>* abort, sockaddr_in& out) {
    std::memset(&out, 0, sizeof out);
    out.sin_family = AF_INET;
    out.sin_port = htons(settings.board.port);
    if (inet_pton(AF_INET, settings.board.host.c_str(), &out.sin_addr) == 1)
        return true;
    const auto address = resolveUnlessAborted(settings.board.host, settings.resolver, abort);
    if (!address)
        return false;
    out.sin_addr.s_addr = htonl(*address);
    return true;
}

} // namespace

LinkClient::LinkClient(LinkSettings settings) : m_settings(std::move(settings)) {}

LinkClient::~LinkClient() {
    disconnect();
}

bool LinkClient::connect(const std::atomic<bool>* abort) {
    disconnect();
    if (m_settings.board.host.empty() || m_settings.board.port == 0 ||
        !destinationAllowed(m_settings.board.host))
        return false;
    sockaddr_in addr{};
    if (!resolve(m_settings, abort, addr))
        return false;
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &addr.sin_addr, text, sizeof text);
    if (!destinationAllowed(text))
        return false;

    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0)
        return false;
    const int one = 1;
    setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 &&
        errno != EINPROGRESS) {
        disconnect();
        return false;
    }
    // Wait in short slices so that a shutdown need not sit out the whole connect time-out.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(m_settings.connectTimeoutMs);
    while (true) {
        pollfd p{m_fd, POLLOUT, 0};
        const int r = ::poll(&p, 1, 50);
        if (r > 0)
            break;
        if ((r < 0 && errno != EINTR) || (abort && abort->load()) ||
            std::chrono::steady_clock::now() >= deadline) {
            disconnect();
            return false;
        }
    }
    int error = 0;
    socklen_t len = sizeof error;
    if (getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &len) != 0 || error != 0) {
        disconnect();
        return false;
    }
    m_connected = true;
    return true;
}

LinkClient::PollResult LinkClient::poll(InputBuffer& in, int timeoutMs) {
    if (m_fd < 0 || !m_connected)
        return PollResult::Error;
    pollfd p{m_fd, POLLIN, 0};
    const int r = ::poll(&p, 1, timeoutMs);
    if (r == 0)
        return PollResult::Timeout;
    if (r < 0)
        return errno == EINTR ? PollResult::Timeout : PollResult::Error;
    bool got = false;
    while (in.writeSpace() > 0 || in.freeSpace() > 0) {
        uint8_t* dst = in.writePointer();
        const size_t space = in.writeSpace();
        if (space == 0)
            break;
        const ssize_t n = ::recv(m_fd, dst, space, 0);
        if (n > 0) {
            in.commit(size_t(n));
            got = true;
            continue;
        }
        if (n == 0) {
            m_connected = false;
            return got ? PollResult::Data : PollResult::Closed;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            break;
        if (errno == EINTR)
            continue;
        m_connected = false;
        return got ? PollResult::Data : PollResult::Error;
    }
    return got ? PollResult::Data : PollResult::Timeout;
}

bool LinkClient::write(const uint8_t* data, size_t size) {
    if (m_fd < 0 || !m_connected)
        return false;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(m_settings.readTimeoutMs);
    if (!waitForBoardToTake(size, deadline))
        return giveUp();
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::send(m_fd, data + done, size - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return giveUp();
            pollfd p{m_fd, POLLOUT, 0};
            ::poll(&p, 1, int(left.count()));
            continue;
        }
        return giveUp();
    }
    return true;
}

size_t LinkClient::untaken() const {
    int bytes = 0;
    return ::ioctl(m_fd, SIOCOUTQ, &bytes) == 0 && bytes > 0 ? size_t(bytes) : 0;
}

// A record larger than the bound goes once nothing else waits.
bool LinkClient::waitForBoardToTake(size_t size, std::chrono::steady_clock::time_point deadline) {
    while (true) {
        const size_t waiting = untaken();
        if (waiting == 0 || waiting + size <= kMostUntakenBytes)
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kUntakenSlice);
    }
}

// A socket error, or a board that has not taken the record in the whole time-out while it may
// still stream: everything waiting behind it is stale by now and would only grow, and a record
// cut short leaves the stream inside it. The next connect starts a clean stream, the queue empty.
bool LinkClient::giveUp() {
    m_connected = false;
    return false;
}

void LinkClient::disconnect() {
    m_connected = false;
    if (m_fd >= 0) {
        ::shutdown(m_fd, SHUT_RDWR);
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace talix::link
