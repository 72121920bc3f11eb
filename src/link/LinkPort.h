#pragma once

#include "link/CommandQueue.h"
#include "link/LinkClient.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace talix::link {

// The one LinkClient of the program, written by the sender thread and replaced by the receive
// thread after errors. Whole writes and the replacement are serialised by the port's write lock,
// so no writer ever sees a client being swapped and no two records interleave on the wire. A write
// to a board that does not read holds that lock up to the write time-out, so the user interface
// never takes it: it queues its commands and a software update's records, and reads the link's
// state from atomics. Lock order: the write lock before the queue's CommandLock.
class LinkPort {
public:
    explicit LinkPort(CommandQueue& queue) : m_queue(queue) {}

    CommandQueue& queue() { return m_queue; }

    enum class WriteResult { Written, NothingWaiting, NotConnected, Failed };
    // Sender thread: writes the next waiting record (acknowledgements first) in one write and
    // removes it from the queue once it is on the wire. Not connected or failed: it stays first.
    WriteResult writeNext();
    // User interface thread, during a software update: hands one record to the sender, which
    // writes it ahead of everything else waiting, on the given connection only: a board that
    // connected anew has lost the transfer. False when the link is down or on another connection.
    // Never waits for a write; a write that fails later gives the connection up.
    bool queueUpdateRecord(const uint8_t* data, size_t size, uint64_t onConnection);
    // A client is installed and no write or poll has found its connection gone.
    bool connected() const { return m_up.load(); }
    // Counts the connections installed so far: the present one's number, 0 before the first.
    uint64_t connection() const { return m_connection.load(); }
    // A write is under way.
    bool writing() const { return m_writing.load(); }

    // Receive thread only.
    LinkClient* client() const { return m_client.get(); }
    // Installs a freshly connected client: empties the queue (what waits belongs to the old
    // connection) and greets the board, under the write lock so that no queued record can
    // overtake the greeting.
    void installConnected(std::unique_ptr<LinkClient> client, bool greet);
    // Closes and releases the client (under the write lock).
    void drop();

private:
    CommandQueue& m_queue;
    std::mutex m_writeLock;
    std::unique_ptr<LinkClient> m_client;
    CommandQueue::Pending m_next; // under the write lock; keeps its capacity between records
    std::atomic<bool> m_writing{false};
    std::atomic<bool> m_up{false};
    std::atomic<uint64_t> m_connection{0};
};

} // namespace talix::link
