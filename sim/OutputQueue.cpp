#include "sim/OutputQueue.h"

#include <cerrno>
#include <sys/socket.h>

namespace talix::sim {

void OutputQueue::push(const uint8_t* data, size_t size, Clock::time_point notBefore) {
    if (size == 0)
        return;
    Piece piece;
    piece.bytes.assign(data, data + size);
    piece.notBefore = notBefore;
    m_pieces.push_back(std::move(piece));
    m_pending += size;
}

bool OutputQueue::flush(int fd, Clock::time_point now) {
    while (!m_pieces.empty()) {
        Piece& piece = m_pieces.front();
        if (piece.notBefore > now)
            return true;
        const ssize_t n = ::send(fd, piece.bytes.data() + piece.offset,
                                 piece.bytes.size() - piece.offset, MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno == EAGAIN || errno == EWOULDBLOCK;
        }
        piece.offset += size_t(n);
        m_pending -= size_t(n);
        if (piece.offset < piece.bytes.size())
            return true; // the socket is full
        m_pieces.pop_front();
    }
    return true;
}

void OutputQueue::clear() {
    m_pieces.clear();
    m_pending = 0;
}

} // namespace talix::sim
