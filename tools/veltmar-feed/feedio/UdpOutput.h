#ifndef FEEDIO_UDPOUTPUT_H
#define FEEDIO_UDPOUTPUT_H

// Datagrams to one host and port, each holding whole frames, at most 1,400 bytes, so that a
// datagram fits an Ethernet frame and a reader that takes one datagram at a time never sees a
// frame cut in two.

#include <QHostAddress>
#include <QUdpSocket>

#include "feedio/FeedOutput.h"

namespace feedio {

class UdpOutput : public FeedOutput {
    Q_OBJECT
public:
    static constexpr int kMaxDatagram = 1400;

    // `host` is an address or a name to look up.
    UdpOutput(QString host, quint16 port, QObject* parent = nullptr);

    bool open() override;
    bool write(const QByteArray& bytes) override;
    int maxChunk() const override { return kMaxDatagram; }

private:
    QString _host;
    quint16 _port;
    QHostAddress _address;
    QUdpSocket _socket;
};

}  // namespace feedio

#endif  // FEEDIO_UDPOUTPUT_H
