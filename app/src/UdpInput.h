#ifndef VELTMAR_UDPINPUT_H
#define VELTMAR_UDPINPUT_H

#include <QUdpSocket>

#include "InputSource.h"

// Listens for datagrams on a local UDP port; each datagram is one chunk.
//
// start(): binds any IPv4/IPv6 address on the port, "Listening on UDP %1:%2." (local address
// and port), Stop enabled; a port that cannot be bound gives "Failed to bind UDP port %1."
// and Start stays enabled; an input already bound only says "UDP input has started.".
// stop(): closes the socket, "UDP input has stopped.", Start enabled. Every text goes to the
// log and the status bar.
class UdpInput : public InputSource {
    Q_OBJECT
public:
    explicit UdpInput(QObject* parent = nullptr);

    void setLocalPort(quint16 port) { _port = port; }
    quint16 localPort() const { return _port; }
    // The port actually bound (the system's choice when the configured port is 0), 0 when
    // not bound.
    quint16 boundPort() const { return _socket.localPort(); }

    void start() override;
    void stop() override;

private slots:
    void readDatagrams();

private:
    QUdpSocket _socket;
    quint16 _port = 10003;
};

#endif  // VELTMAR_UDPINPUT_H
