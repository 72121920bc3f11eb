#pragma once

#include "base/Endpoint.h"
#include "link/InputBuffer.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace talix::link {

// Turns a host name into an IPv4 address (host byte order); nothing when it cannot. It may block
// for as long as it likes: connect() waits for it only while not aborted.
using HostResolver = std::function<std::optional<uint32_t>(const std::string& host)>;

struct LinkSettings {
    Endpoint board; // no default: only the start options know the real device
    int connectTimeoutMs = 2000;
    int readTimeoutMs = 3500; // also bounds one write: a board that takes nothing so long is lost
    HostResolver resolver;    // empty: the system's (getaddrinfo)
};

// A TCP client on a POSIX socket. One thread reads (poll); writers call write() under the link
// lock (LinkPort); only the reading thread connects and closes.
class LinkClient {
public:
    enum class PollResult { Data, Timeout, Closed, Error };

    explicit LinkClient(LinkSettings settings);
    ~LinkClient();
    LinkClient(const LinkClient&) = delete;
    LinkClient& operator=(const LinkClient&) = delete;

    // Connects within the connect time-out; gives up early when `abort` becomes true, also while
    // a host name is being resolved. A board nobody named is not looked for.
    bool connect(const std::atomic<bool>* abort = nullptr);
    bool connected() const { return m_connected.load(); }

    // Waits up to timeoutMs for data and moves whatever arrived into `in`. A closed or failed
    // connection counts as not connected afterwards.
    PollResult poll(InputBuffer& in, int timeoutMs);
    // Writes all bytes or fails. A write the board does not take within the time-out, or that
    // finds too much still untaken by the board for that long, gives the connection up, as a
    // socket error does: the reader then treats the link as lost.
    bool write(const uint8_t* data, size_t size);
    // Graceful close: tells the peer, then releases the socket.
    void disconnect();

private:
    // Bytes written that the board's TCP has not acknowledged yet, sent or not.
    size_t untaken() const;
    bool waitForBoardToTake(size_t size, std::chrono::steady_clock::time_point deadline);
    bool giveUp();

    LinkSettings m_settings;
    int m_fd = -1;
    std::atomic<bool> m_connected{false};
};

} // namespace talix::link
