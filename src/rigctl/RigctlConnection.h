#pragma once

#include "rigctl/RigctlSession.h"
#include "session/ReceiverPort.h"

#include <QObject>
#include <QString>

class QTcpSocket;

namespace talix::rigctl {

// One client on the socket: its bytes to its protocol session, the replies back. A client that
// stops reading while its replies pile up is cut off; nothing it does holds the thread up.
class RigctlConnection : public QObject {
    Q_OBJECT
public:
    // Bytes taken from the socket at a time, and replies the client may leave unread.
    static constexpr qint64 kReadChunk = 4096;
    static constexpr qint64 kMostUnread = 64 * 1024;

    // Takes the socket over; says "left" and deletes itself when the client goes.
    RigctlConnection(QTcpSocket* socket, session::ReceiverPort& receiver, QObject* parent);

    ~RigctlConnection() override;

    QString peer() const { return m_peer; }

signals:
    void left(talix::rigctl::RigctlConnection* connection);

private:
    void readClient();
    void close();

    QTcpSocket* m_socket;
    RigctlSession m_session;
    QString m_peer;
    bool m_closing = false;
};

} // namespace talix::rigctl
