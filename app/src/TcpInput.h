#ifndef VELTMAR_TCPINPUT_H
#define VELTMAR_TCPINPUT_H

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include "InputSource.h"

// Reads a receiver's feed as a TCP client; whatever one read returns is one chunk.
//
// start(): Stop enabled, connects to the server. "TCP connection establishd to %1:%2" when the
// connection stands, "TCP connection disconnected from %1:%2" when the server drops it, and
// "Failed to connect to TCP server %1:%2: %3" (the socket's reason) when it cannot be made. A
// source already connecting or connected only shows "TCP input has started." in the status
// bar. stop(): "TCP connection disconnected from %1:%2" (the peer, or the configured server
// when there is none any more), or "Failed to disconnect TCP input connection." when the
// source was not started; Start enabled.
//
// Without automatic reconnection (the default) a dropped or refused connection leaves the
// source started and silent until it is stopped and started again. With it, each drop or
// failure is retried after a delay that grows from 1 s to 30 s (reconnectDelayMs) and falls
// back to 1 s once data flows again, with the line "TCP input reconnects to %1:%2 in %3 s
// (attempt %4)."; and a connection silent for the watchdog time (0: never) is dropped with
// "No data from TCP server %1:%2 for %3 s: reconnecting." and reconnected.
class TcpInput : public InputSource {
    Q_OBJECT
public:
    explicit TcpInput(QObject* parent = nullptr);

    void setServerAddress(const QHostAddress& address) { _address = address; }
    void setServerPort(quint16 port) { _port = port; }
    void setAutoReconnect(bool on) { _autoReconnect = on; }
    // Silence after which a connection is dropped and made again; 0 (the default): never.
    // Only with automatic reconnection.
    void setWatchdogTime(int milliseconds) { _watchdogMs = milliseconds; }

    void start() override;
    void stop() override;

    // Delay before reconnection attempt n (1, 2, ...): 1 s doubling up to 30 s.
    static int reconnectDelayMs(int attempt);

private slots:
    void onConnected();
    void onDisconnected();
    void onError(QAbstractSocket::SocketError error);
    void readAvailable();
    void reconnect();
    void onSilence();

private:
    void scheduleReconnect();
    // The peer as the socket knows it, or the configured server once it knows none.
    QString peerAddressText() const;
    quint16 peerPortNumber() const;

    QTcpSocket _socket;
    QHostAddress _address{QHostAddress::LocalHost};
    quint16 _port = 10002;
    bool _autoReconnect = false;
    int _watchdogMs = 0;

    bool _started = false;    // between start() and stop()
    bool _connected = false;  // between connected() and disconnected()
    int _attempt = 0;         // reconnection attempts since data last flowed
    QTimer _reconnectTimer;
    QTimer _watchdog;
};

#endif  // VELTMAR_TCPINPUT_H
