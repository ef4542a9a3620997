#include "TcpInput.h"

TcpInput::TcpInput(QObject* parent) : InputSource(parent) {
    _reconnectTimer.setSingleShot(true);
    _watchdog.setSingleShot(true);
    connect(&_reconnectTimer, &QTimer::timeout, this, &TcpInput::reconnect);
    connect(&_watchdog, &QTimer::timeout, this, &TcpInput::onSilence);
}

int TcpInput::reconnectDelayMs(int attempt) {
    constexpr int kFirst = 1000;
    constexpr int kLast = 30000;
    if (attempt <= 1)
        return kFirst;
    if (attempt > 6)
        return kLast;
    return qMin(kFirst << (attempt - 1), kLast);
}

QString TcpInput::peerAddressText() const {
    const QHostAddress peer = _socket.peerAddress();
    return (peer.isNull() ? _address : peer).toString();
}

quint16 TcpInput::peerPortNumber() const {
    return _socket.peerAddress().isNull() ? _port : _socket.peerPort();
}

void TcpInput::start() {
    if (_socket.state() != QAbstractSocket::UnconnectedState || _reconnectTimer.isActive()) {
        emit statusMessage(tr("TCP input has started."));
        return;
    }
    connect(&_socket, &QTcpSocket::connected, this, &TcpInput::onConnected, Qt::UniqueConnection);
    connect(&_socket, &QTcpSocket::disconnected, this, &TcpInput::onDisconnected,
            Qt::UniqueConnection);
    connect(&_socket, &QAbstractSocket::errorOccurred, this, &TcpInput::onError,
            Qt::UniqueConnection);
    emit actionsChanged(false, true);
    _started = true;
    _attempt = 0;
    _socket.connectToHost(_address, _port, QIODevice::ReadOnly);
    connect(&_socket, &QTcpSocket::readyRead, this, &TcpInput::readAvailable, Qt::UniqueConnection);
}

void TcpInput::stop() {
    _started = false;
    _connected = false;
    _reconnectTimer.stop();
    _watchdog.stop();
    disconnect(&_socket, &QTcpSocket::readyRead, this, &TcpInput::readAvailable);
    const bool wasStarted = disconnect(&_socket, nullptr, this, nullptr);
    report(wasStarted ? tr("TCP connection disconnected from %1:%2")
                            .arg(peerAddressText())
                            .arg(peerPortNumber())
                      : tr("Failed to disconnect TCP input connection."));
    _socket.close();
    emit actionsChanged(true, false);
}

void TcpInput::onConnected() {
    _connected = true;
    report(tr("TCP connection establishd to %1:%2")
               .arg(_socket.peerAddress().toString())
               .arg(_socket.peerPort()));
    if (_autoReconnect && _watchdogMs > 0)
        _watchdog.start(_watchdogMs);
}

void TcpInput::onDisconnected() {
    _connected = false;
    _watchdog.stop();
    report(tr("TCP connection disconnected from %1:%2")
               .arg(_socket.peerAddress().toString())
               .arg(_socket.peerPort()));
    if (_autoReconnect && _started)
        scheduleReconnect();
}

void TcpInput::onError(QAbstractSocket::SocketError error) {
    // A connection that stood is reported by onDisconnected; here only attempts that failed.
    if (_connected || error == QAbstractSocket::RemoteHostClosedError)
        return;
    report(tr("Failed to connect to TCP server %1:%2: %3")
               .arg(_address.toString())
               .arg(_port)
               .arg(_socket.errorString()));
    if (_autoReconnect && _started)
        scheduleReconnect();
}

void TcpInput::scheduleReconnect() {
    if (_reconnectTimer.isActive())
        return;
    ++_attempt;
    const int delay = reconnectDelayMs(_attempt);
    report(tr("TCP input reconnects to %1:%2 in %3 s (attempt %4).")
               .arg(_address.toString())
               .arg(_port)
               .arg(delay / 1000)
               .arg(_attempt));
    _reconnectTimer.start(delay);
}

void TcpInput::reconnect() {
    if (!_started || _socket.state() != QAbstractSocket::UnconnectedState)
        return;
    _socket.connectToHost(_address, _port, QIODevice::ReadOnly);
}

void TcpInput::readAvailable() {
    const QByteArray bytes = _socket.readAll();
    if (bytes.isEmpty())
        return;
    _attempt = 0;
    if (_watchdog.isActive())
        _watchdog.start(_watchdogMs);
    emit chunkReceived(bytes, currentTimeMs());
}

void TcpInput::onSilence() {
    report(tr("No data from TCP server %1:%2 for %3 s: reconnecting.")
               .arg(peerAddressText())
               .arg(peerPortNumber())
               .arg(_watchdogMs / 1000.0));
    _socket.abort();
    if (_started && !_reconnectTimer.isActive() &&
        _socket.state() == QAbstractSocket::UnconnectedState)
        scheduleReconnect();
}
