#include "feedio/UdpOutput.h"

#include <QHostInfo>

namespace feedio {

UdpOutput::UdpOutput(QString host, quint16 port, QObject* parent)
    : FeedOutput(parent), _host(std::move(host)), _port(port) {}

bool UdpOutput::open() {
    if (!_address.setAddress(_host)) {
        const QHostInfo info = QHostInfo::fromName(_host);
        if (info.addresses().isEmpty()) {
            emit failed(QStringLiteral("cannot find host %1: %2").arg(_host, info.errorString()));
            return false;
        }
        _address = info.addresses().first();
    }
    emit message(QStringLiteral("sending UDP datagrams to %1:%2").arg(_address.toString()).arg(_port));
    return true;
}

bool UdpOutput::write(const QByteArray& bytes) {
    return _socket.writeDatagram(bytes, _address, _port) == bytes.size();
}

}  // namespace feedio
