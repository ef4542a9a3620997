#include "AsterixOutputChannel.h"

AsterixOutputChannel::AsterixOutputChannel(int number, QObject* parent)
    : QObject(parent), _number(number), _socket(this) {}

void AsterixOutputChannel::start(const Settings& settings, bool multicast) {
    _settings = settings;
    if (!_settings.enabled) {
        emit message(tr("ASTERIX output channel %1 is not activated.").arg(_number), false);
        return;
    }
    if (_socket.state() == QAbstractSocket::BoundState) {
        emit message(tr("ASTERIX output channel %1 is running.").arg(_number), true);
        return;
    }
    if (!multicast) {
        // Nothing to bind: the first datagram binds the socket to a free port.
        emit message(tr("ASTERIX output channel %1 is sending to address %2 port %3")
                         .arg(_number)
                         .arg(_settings.address.toString())
                         .arg(_settings.port),
                     false);
        return;
    }
    prepareMulticast();
}

void AsterixOutputChannel::prepareMulticast() {
    if (!_settings.multicastInterface.isValid()) {
        emit message(tr("ASTERIX output channel %1 LAN interface invalid.").arg(_number), true);
        return;
    }
    if (!_socket.bind(QHostAddress(QHostAddress::AnyIPv4), 0)) {
        emit message(tr("ASTERIX output channel %1 failed to bind.").arg(_number), true);
        return;
    }
    // Socket options reach the system only once the socket exists, that is after binding.
    _socket.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
    _socket.setMulticastInterface(_settings.multicastInterface);
    const QNetworkInterface used = _socket.multicastInterface();
    if (!used.isValid()) {
        emit message(tr("ASTERIX output channel %1 failed to use inteface %2.")
                         .arg(_number)
                         .arg(_settings.multicastInterface.humanReadableName()),
                     true);
        return;
    }
    emit message(tr("ASTERIX output channel %1 is using local port %2 at interface "
                    "%3, sending to multicast group %4 port %5")
                     .arg(_number)
                     .arg(_socket.localPort())
                     .arg(used.humanReadableName())
                     .arg(_settings.address.toString())
                     .arg(_settings.port),
                 false);
}

bool AsterixOutputChannel::send(const QByteArray& datagram) {
    if (!_settings.enabled)
        return false;
    return _socket.writeDatagram(datagram, _settings.address, _settings.port) == datagram.size();
}

void AsterixOutputChannel::close() {
    _socket.close();
}
