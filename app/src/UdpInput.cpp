#include "UdpInput.h"

UdpInput::UdpInput(QObject* parent) : InputSource(parent) {}

void UdpInput::start() {
    if (_socket.state() == QAbstractSocket::BoundState) {
        report(tr("UDP input has started."));
        return;
    }
    if (!_socket.bind(QHostAddress::Any, _port)) {
        report(tr("Failed to bind UDP port %1.").arg(_port));
        emit actionsChanged(true, false);
        return;
    }
    report(tr("Listening on UDP %1:%2.")
               .arg(_socket.localAddress().toString())
               .arg(_socket.localPort()));
    emit actionsChanged(false, true);
    connect(&_socket, &QUdpSocket::readyRead, this, &UdpInput::readDatagrams, Qt::UniqueConnection);
}

void UdpInput::stop() {
    disconnect(&_socket, &QUdpSocket::readyRead, this, &UdpInput::readDatagrams);
    _socket.close();
    report(tr("UDP input has stopped."));
    emit actionsChanged(true, false);
}

void UdpInput::readDatagrams() {
    while (_socket.hasPendingDatagrams()) {
        const qint64 size = qMax<qint64>(_socket.pendingDatagramSize(), 0);
        QByteArray datagram(int(size), Qt::Uninitialized);
        const qint64 read = _socket.readDatagram(datagram.data(), size);
        if (read < 0)
            break;  // a socket error: nothing more to read now
        datagram.resize(int(read));
        if (read > 0)
            emit chunkReceived(datagram, currentTimeMs());
    }
}
