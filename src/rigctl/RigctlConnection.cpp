#include "rigctl/RigctlConnection.h"

#include <QTcpSocket>

namespace talix::rigctl {

RigctlConnection::RigctlConnection(QTcpSocket* socket, session::ReceiverPort& receiver,
                                   QObject* parent)
    : QObject(parent), m_socket(socket), m_session(receiver),
      m_peer(socket->peerAddress().toString() + ":" + QString::number(socket->peerPort())) {
    m_socket->setParent(this);
    // Qt stops taking bytes from the kernel when its buffer is full: a flood waits in the
    // client's socket, not in this process.
    m_socket->setReadBufferSize(kReadChunk);
    connect(m_socket, &QTcpSocket::readyRead, this, &RigctlConnection::readClient);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        emit left(this);
        deleteLater();
    });
    // Bytes that came with the connection are read once the loop turns.
    QMetaObject::invokeMethod(this, &RigctlConnection::readClient, Qt::QueuedConnection);
}

// The socket goes after this object's part: it must not call into it on its way out.
RigctlConnection::~RigctlConnection() {
    m_socket->disconnect(this);
}

void RigctlConnection::readClient() {
    char chunk[kReadChunk];
    while (!m_closing && m_socket->bytesAvailable() > 0) {
        const qint64 n = m_socket->read(chunk, sizeof chunk);
        if (n <= 0)
            break;
        const std::string replies = m_session.receive(std::string_view(chunk, size_t(n)));
        m_socket->write(replies.data(), qint64(replies.size()));
        if (m_socket->bytesToWrite() > kMostUnread) {
            m_socket->abort(); // it does not read: what is waiting for it is dropped
            return;
        }
        if (m_session.finished())
            close();
    }
}

void RigctlConnection::close() {
    m_closing = true;
    m_socket->disconnectFromHost(); // after the replies are written
}

} // namespace talix::rigctl
