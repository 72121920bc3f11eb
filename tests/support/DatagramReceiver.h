#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace talix::testing {

using Datagram = std::vector<uint8_t>;

// A UDP socket on a loopback address that collects the datagrams sent to it, in order.
class DatagramReceiver {
public:
    // Binds `host` (127.x.y.z) on `port`, or on a free port when it is 0.
    explicit DatagramReceiver(const std::string& host = "127.0.0.1", uint16_t port = 0);
    ~DatagramReceiver();
    DatagramReceiver(const DatagramReceiver&) = delete;
    DatagramReceiver& operator=(const DatagramReceiver&) = delete;

    bool bound() const { return m_fd >= 0; }
    uint16_t port() const { return m_port; }

    // Everything that arrived so far (waits up to `timeout` for at least `count` datagrams), taken
    // out of the receiver.
    std::vector<Datagram> take(size_t count = 0,
                               std::chrono::milliseconds timeout = std::chrono::seconds(10));

private:
    void drain();

    int m_fd = -1;
    uint16_t m_port = 0;
    std::vector<Datagram> m_received;
};

} // namespace talix::testing
