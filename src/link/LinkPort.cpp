#include "link/LinkPort.h"

#include "link/CommandRecords.h"
#include "link/LinkFrame.h"

namespace talix::link {

LinkPort::WriteResult LinkPort::writeNext() {
    std::lock_guard write(m_writeLock);
    if (!m_queue.takeNext(m_next))
        return WriteResult::NothingWaiting;
    if (!m_client || !m_client->connected())
        return WriteResult::NotConnected;
    m_writing = true;
    const bool written = m_client->write(m_next.bytes.data(), m_next.bytes.size());
    m_writing = false;
    if (!written) {
        m_up = m_client->connected();
        return WriteResult::Failed;
    }
    m_queue.removeWritten(m_next);
    return WriteResult::Written;
}

bool LinkPort::queueUpdateRecord(const uint8_t* data, size_t size, uint64_t onConnection) {
    return m_up.load() && m_queue.queueUpdateRecord(Command(data, data + size), onConnection);
}

void LinkPort::installConnected(std::unique_ptr<LinkClient> client, bool greet) {
    std::lock_guard write(m_writeLock);
    m_client = std::move(client);
    m_queue.startConnection(++m_connection);
    if (greet) {
        const Command hello = commands::greeting();
        m_client->write(hello.data(), hello.size());
    }
    m_up = m_client->connected();
}

void LinkPort::drop() {
    std::unique_ptr<LinkClient> old;
    {
        std::lock_guard write(m_writeLock);
        m_up = false;
        old = std::move(m_client);
        if (old)
            old->disconnect();
    }
}

} // namespace talix::link
