#include "feedio/TcpServerOutput.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace feedio {

TcpServerOutput::TcpServerOutput(QHostAddress address, quint16 port, QObject* parent)
    : FeedOutput(parent), _address(std::move(address)), _port(port) {
    connect(&_stallTimer, &QTimer::timeout, this, &TcpServerOutput::checkStalled);
}

TcpServerOutput::~TcpServerOutput() {
    for (QTcpSocket* client : _clients) {
        client->disconnect(this);
        client->abort();
    }
}

bool TcpServerOutput::open() {
    _server = new QTcpServer(this);
    if (!_server->listen(_address, _port)) {
        emit failed(QStringLiteral("cannot listen on TCP port %1: %2").arg(_port).arg(_server->errorString()));
        return false;
    }
    connect(_server, &QTcpServer::newConnection, this, &TcpServerOutput::acceptClients);
    emit message(QStringLiteral("serving on TCP port %1").arg(_server->serverPort()));
    return true;
}

quint16 TcpServerOutput::port() const {
    return _server ? _server->serverPort() : _port;
}

QString TcpServerOutput::peerOf(const QTcpSocket* client) {
    return QStringLiteral("%1:%2").arg(client->peerAddress().toString()).arg(client->peerPort());
}

void TcpServerOutput::acceptClients() {
    while (QTcpSocket* client = _server->nextPendingConnection()) {
        _clients.append(client);
        _lastProgress[client].start();
        connect(client, &QTcpSocket::bytesWritten, this, &TcpServerOutput::clientWrote);
        connect(client, &QTcpSocket::disconnected, this, &TcpServerOutput::clientGone);
        const QString peer = peerOf(client);
        client->setProperty("peer", peer);
        emit message(QStringLiteral("client %1 connected (%2 in all)").arg(peer).arg(_clients.size()));
        emit clientConnected(peer);
    }
    if (wantsMore())
        emit readyForMore();
}

void TcpServerOutput::forget(QTcpSocket* client) {
    _clients.removeAll(client);
    _lastProgress.remove(client);
    client->disconnect(this);
    client->deleteLater();
}

void TcpServerOutput::drop(QTcpSocket* client, const QString& why) {
    const QString peer = client->property("peer").toString();
    client->abort();
    forget(client);
    emit message(QStringLiteral("client %1 dropped: %2").arg(peer, why));
    emit clientDropped(peer);
}

void TcpServerOutput::clientGone() {
    auto* client = qobject_cast<QTcpSocket*>(sender());
    if (client == nullptr || !_clients.contains(client))
        return;
    const QString peer = client->property("peer").toString();
    forget(client);
    emit message(QStringLiteral("client %1 disconnected (%2 left)").arg(peer).arg(_clients.size()));
    emit clientDisconnected(peer);
    if (wantsMore())
        emit readyForMore();
}

bool TcpServerOutput::write(const QByteArray& bytes) {
    const QList<QTcpSocket*> clients = _clients;
    for (QTcpSocket* client : clients) {
        if (client->bytesToWrite() + bytes.size() > _maxBacklog) {
            drop(client, QStringLiteral("it does not read (%1 bytes waiting)").arg(client->bytesToWrite()));
            continue;
        }
        if (client->bytesToWrite() == 0)
            _lastProgress[client].restart();  // it has kept up so far
        client->write(bytes);
    }
    if (!wantsMore() && !_clients.isEmpty() && !_stallTimer.isActive())
        _stallTimer.start(qMax(10, _stallTimeoutMs / 4));
    return true;
}

bool TcpServerOutput::wantsMore() const {
    if (_clients.isEmpty())
        return false;
    for (const QTcpSocket* client : _clients) {
        if (client->bytesToWrite() >= kHighWater)
            return false;
    }
    return true;
}

void TcpServerOutput::flush() {
    const QList<QTcpSocket*> clients = _clients;
    for (QTcpSocket* client : clients) {
        while (client->bytesToWrite() > 0 && client->waitForBytesWritten(1000)) {
        }
        client->disconnectFromHost();
    }
}

void TcpServerOutput::clientWrote() {
    if (auto* client = qobject_cast<QTcpSocket*>(sender()))
        _lastProgress[client].restart();
    if (wantsMore()) {
        _stallTimer.stop();
        emit readyForMore();
    }
}

void TcpServerOutput::checkStalled() {
    const QList<QTcpSocket*> clients = _clients;
    for (QTcpSocket* client : clients) {
        if (client->bytesToWrite() >= kHighWater && _lastProgress[client].elapsed() >= _stallTimeoutMs)
            drop(client, QStringLiteral("it has taken nothing for %1 ms").arg(_stallTimeoutMs));
    }
    if (_clients.isEmpty() || wantsMore())
        _stallTimer.stop();
    if (wantsMore())
        emit readyForMore();
}

}  // namespace feedio
