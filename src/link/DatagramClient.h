#pragma once

#include "base/Endpoint.h"
#include "link/LinkClient.h"

#include <cstdint>
#include <optional>
#include <span>

namespace talix::link {

// A UDP client that only sends (the rotator's datagrams). The target is resolved when it is set,
// so that a send never waits; a target without a host or port, and under the loopback guard a
// target outside 127.0.0.0/8, by name or by the address it resolves to, receives nothing. Not
// thread-safe: one thread sets and sends.
class DatagramClient {
public:
    explicit DatagramClient(Endpoint target, HostResolver resolver = {});
    ~DatagramClient();
    DatagramClient(const DatagramClient&) = delete;
    DatagramClient& operator=(const DatagramClient&) = delete;

    // Datagrams go to `host` on the same port from now on.
    void setHost(const std::string& host);
    const Endpoint& target() const { return m_target; }

    // One datagram to the target; false when the target is refused or unknown, or the socket
    // would not take it. UDP tells nothing about delivery.
    bool send(std::span<const uint8_t> bytes);

private:
    void resolveTarget();

    Endpoint m_target;
    HostResolver m_resolver;
    std::optional<uint32_t> m_address; // host byte order; nothing: refused or not resolved
    int m_fd = -1;
};

} // namespace talix::link
