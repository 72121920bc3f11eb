#pragma once

#include "base/Endpoint.h"
#include "session/ReceiverPort.h"

#include <QObject>
#include <QString>
#include <QTcpServer>

namespace talix::rigctl {

class RigctlConnection;

// The network control port: Hamlib's rigctld protocol for other radio programs, on the session's
// thread, each client with its own protocol session on the session's receiver port.
class RigctlServer : public QObject {
    Q_OBJECT
public:
    // Clients beyond this are turned away as they connect.
    static constexpr int kMostClients = 16;

    explicit RigctlServer(session::ReceiverPort& receiver, QObject* parent = nullptr);
    ~RigctlServer() override;

    // Listens on a numeric address or "localhost"; false with the reason otherwise.
    bool listen(const Endpoint& at, QString* error);
    // The port listened on (the one chosen when asked for port 0).
    quint16 port() const;
    int clients() const { return m_clients; }

private:
    void accept();

    session::ReceiverPort& m_receiver;
    QTcpServer m_server;
    int m_clients = 0;
};

} // namespace talix::rigctl
