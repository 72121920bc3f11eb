#include "rigctl/RigctlServer.h"

#include "rigctl/RigctlConnection.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <cstdio>

namespace talix::rigctl {

namespace {

void log(const QString& peer, const char* what) {
    std::fprintf(stderr, "talix: rigctl: client %s %s\n", peer.toLocal8Bit().constData(), what);
}

} // namespace

RigctlServer::RigctlServer(session::ReceiverPort& receiver, QObject* parent)
    : QObject(parent), m_receiver(receiver) {
    connect(&m_server, &QTcpServer::newConnection, this, &RigctlServer::accept);
}

// The connections are children: they go with the server, before the receiver port they use.
RigctlServer::~RigctlServer() = default;

bool RigctlServer::listen(const Endpoint& at, QString* error) {
    // Where the program may only reach loopback (tests, development machines), it listens
    // nowhere else either.
    if (!destinationAllowed(at.host)) {
        if (error)
            *error = QString("rigctl: %1 is outside loopback, which this machine is confined to")
                         .arg(at.host.c_str());
        return false;
    }
    QHostAddress address;
    if (at.host == "localhost")
        address = QHostAddress::LocalHost;
    else if (!address.setAddress(QString::fromStdString(at.host))) {
        if (error)
            *error = QString("rigctl: %1 is not a numeric address").arg(at.host.c_str());
        return false;
    }
    if (!m_server.listen(address, at.port)) {
        if (error)
            *error = QString("rigctl: cannot listen on %1: %2")
                         .arg(QString::fromStdString(at.toString()), m_server.errorString());
        return false;
    }
    return true;
}

quint16 RigctlServer::port() const {
    return m_server.serverPort();
}

void RigctlServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_clients >= kMostClients) {
            log(socket->peerAddress().toString() + ":" + QString::number(socket->peerPort()),
                "turned away: too many clients");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto* connection = new RigctlConnection(socket, m_receiver, this);
        ++m_clients;
        log(connection->peer(), "connected");
        connect(connection, &RigctlConnection::left, this, [this](RigctlConnection* c) {
            --m_clients;
            log(c->peer(), "left");
        });
    }
}

} // namespace talix::rigctl
