#pragma once

#include "link/CommandQueue.h"
#include "link/LinkClient.h"

#include <memory>

namespace talix::link {

// The one LinkClient of the program, shared by the sender thread, the acknowledgement writer
// and the software update, and replaced by the receive thread after errors. Every write and the
// replacement happen under the queue's CommandLock, so no writer ever sees a client being swapped
// and no two writes interleave on the wire.
class LinkPort {
public:
    explicit LinkPort(TCommandQueue& queue) : m_queue(queue) {}

    TCommandQueue& queue() { return m_queue; }

    // Takes CommandLock; false when not connected or the write failed.
    bool write(const uint8_t* data, size_t size);
    bool write(const Command& bytes) { return write(bytes.data(), bytes.size()); }

    // For a caller that already holds CommandLock (the sender).
    bool connectedLocked() const { return m_client && m_client->connected(); }
    bool writeLocked(const Command& bytes);

    // Receive thread only.
    LinkClient* client() const { return m_client.get(); }
    // Installs a freshly connected client: empties the queue and greets the board, all under
    // the lock so that no queued record can overtake the greeting.
    void installConnected(std::unique_ptr<LinkClient> client, bool greet);
    // Closes and releases the client (under the lock).
    void drop();

private:
    TCommandQueue& m_queue;
    std::unique_ptr<LinkClient> m_client;
};

} // namespace talix::link
