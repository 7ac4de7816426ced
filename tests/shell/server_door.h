#pragma once
// A loopback door in front of one of the test mail servers: open, it passes
// every connection through; shut, it cuts the connections it holds and
// refuses new ones, as a server that went down. It opens again on the same
// port. It runs on the window thread, which the program keeps answering
// while its mail thread works.

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <vector>

namespace ShellTesting {

class ServerDoor : public QObject {
public:
    explicit ServerDoor(quint16 serverPort) : serverPort_(serverPort)
    {
        connect(&listener_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* client = listener_.nextPendingConnection())
                Pass(client);
        });
    }
    ~ServerDoor() override { Shut(); }

    bool Open()
    {
        if (!listener_.listen(QHostAddress::LocalHost, port_))
            return false;
        port_ = listener_.serverPort();
        return true;
    }
    void Shut()
    {
        listener_.close();
        for (const QPointer<QTcpSocket>& socket : sockets_)
            if (socket)
                socket->abort();
        sockets_.clear();
    }
    quint16 Port() const { return port_; }

private:
    void Pass(QTcpSocket* client)
    {
        auto* server = new QTcpSocket(client);
        sockets_.emplace_back(client);
        sockets_.emplace_back(server);
        auto forward = [client, server] {
            if (server->state() == QAbstractSocket::ConnectedState)
                server->write(client->readAll());
        };
        connect(server, &QTcpSocket::connected, client, forward);
        connect(client, &QTcpSocket::readyRead, client, forward);
        connect(server, &QTcpSocket::readyRead, client,
                [client, server] { client->write(server->readAll()); });
        connect(server, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        connect(server, &QTcpSocket::errorOccurred, client, &QTcpSocket::abort);
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        server->connectToHost(QHostAddress::LocalHost, serverPort_);
    }

    QTcpServer listener_;
    quint16 serverPort_;
    quint16 port_ = 0;
    std::vector<QPointer<QTcpSocket>> sockets_;
};

} // namespace ShellTesting
