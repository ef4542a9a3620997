#include "StreamServer.h"

#include <QTcpServer>
#include <QTcpSocket>

StreamServer::StreamServer(const QString& name, QObject* parent)
    : QObject(parent), _name(name), _server(new QTcpServer(this)) {
    connect(_server, &QTcpServer::newConnection, this, &StreamServer::acceptClients);
}

StreamServer::~StreamServer() {
    for (QTcpSocket* client : _clients) {
        client->disconnect(this);
        client->abort();
    }
}

bool StreamServer::listen(const QHostAddress& address, quint16 port) {
    if (_server->isListening())
        close();
    if (!_server->listen(address, port)) {
        emit message(tr("%1 failed to listen on %2:%3: %4.")
                         .arg(_name, address.toString())
                         .arg(port)
                         .arg(_server->errorString()),
                     true);
        return false;
    }
    emit message(tr("%1 is listening on %2:%3.")
                     .arg(_name, _server->serverAddress().toString())
                     .arg(_server->serverPort()),
                 true);
    return true;
}

void StreamServer::close() {
    const bool wasListening = _server->isListening();
    const QList<QTcpSocket*> clients = _clients;
    _clients.clear();
    for (QTcpSocket* client : clients) {
        client->disconnect(this);
        client->abort();
        client->deleteLater();
    }
    _server->close();
    if (wasListening)
        emit message(tr("%1 has stopped.").arg(_name), true);
}

bool StreamServer::isListening() const {
    return _server->isListening();
}

quint16 StreamServer::serverPort() const {
    return _server->serverPort();
}

void StreamServer::acceptClients() {
    while (QTcpSocket* client = _server->nextPendingConnection()) {
        _clients.append(client);
        // Whatever a client says is not for us: read it so that it does not pile up.
        connect(client, &QTcpSocket::readyRead, client, [client] { client->readAll(); });
        connect(client, &QTcpSocket::disconnected, this, [this, client] {
            emit message(tr("%1: client %2:%3 disconnected.")
                             .arg(_name, client->peerAddress().toString())
                             .arg(client->peerPort()),
                         false);
            removeClient(client);
        });
        emit message(tr("%1: client %2:%3 connected (%4 clients).")
                         .arg(_name, client->peerAddress().toString())
                         .arg(client->peerPort())
                         .arg(_clients.size()),
                     false);
    }
}

void StreamServer::removeClient(QTcpSocket* client) {
    if (_clients.removeOne(client)) {
        client->disconnect(this);
        client->deleteLater();
    }
}

void StreamServer::send(const QByteArray& bytes) {
    _offered += static_cast<quint64>(bytes.size());
    // Copy: dropping a client changes the list.
    const QList<QTcpSocket*> clients = _clients;
    for (QTcpSocket* client : clients) {
        if (client->state() != QAbstractSocket::ConnectedState)
            continue;
        const qint64 pending = client->bytesToWrite();
        if (pending + bytes.size() > _maxPending) {
            ++_dropped;
            emit message(tr("%1: client %2:%3 dropped, %4 bytes not taken.")
                             .arg(_name, client->peerAddress().toString())
                             .arg(client->peerPort())
                             .arg(pending),
                         true);
            _clients.removeOne(client);
            client->disconnect(this);
            client->abort();
            client->deleteLater();
            continue;
        }
        client->write(bytes);
    }
}
