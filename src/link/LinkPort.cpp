#include "link/LinkPort.h"

#include "link/LinkFrame.h"

namespace talix::link {

bool LinkPort::write(const uint8_t* data, size_t size) {
    std::lock_guard lock(m_queue.CommandLock);
    return m_client && m_client->connected() && m_client->write(data, size);
}

bool LinkPort::writeLocked(const Command& bytes) {
    return m_client && m_client->connected() && m_client->write(bytes.data(), bytes.size());
}

void LinkPort::installConnected(std::unique_ptr<LinkClient> client, bool greet) {
    std::lock_guard lock(m_queue.CommandLock);
    m_client = std::move(client);
    m_queue.clearLocked();
    if (greet) {
        const uint8_t hello = kGreeting;
        m_client->write(&hello, 1);
    }
}

void LinkPort::drop() {
    std::unique_ptr<LinkClient> old;
    {
        std::lock_guard lock(m_queue.CommandLock);
        old = std::move(m_client);
        if (old)
            old->disconnect();
    }
}

} // namespace talix::link
