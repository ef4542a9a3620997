#ifndef FEEDIO_TCPSERVEROUTPUT_H
#define FEEDIO_TCPSERVEROUTPUT_H

// A TCP server that every connected client gets the feed from, as a receiver serves it: all
// clients get the same bytes from the moment they connect. A client that does not read is
// dropped once `maxBacklog` bytes wait for it, so it never holds the others up; when the
// player runs as fast as it can it waits for the clients instead, dropping only one that has
// taken nothing for `stallTimeoutMs`.

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QTimer>

#include "feedio/FeedOutput.h"

class QTcpServer;
class QTcpSocket;

namespace feedio {

class TcpServerOutput : public FeedOutput {
    Q_OBJECT
public:
    static constexpr qint64 kDefaultMaxBacklog = 1024 * 1024;
    static constexpr qint64 kHighWater = 256 * 1024;
    static constexpr int kDefaultStallTimeoutMs = 10000;

    TcpServerOutput(QHostAddress address, quint16 port, QObject* parent = nullptr);
    ~TcpServerOutput() override;

    bool open() override;
    bool write(const QByteArray& bytes) override;
    // True when every client has less than kHighWater waiting (and there is one at least).
    bool wantsMore() const override;
    // At the end of the stream: waits (up to a second per client that takes nothing) until
    // every client has taken what waits for it, then closes the connections.
    void flush() override;

    void setMaxBacklog(qint64 bytes) { _maxBacklog = bytes; }
    void setStallTimeoutMs(int ms) { _stallTimeoutMs = ms; }
    // The port listened on (the one chosen by the system when 0 was asked for).
    quint16 port() const;
    int clientCount() const { return _clients.size(); }

signals:
    void clientConnected(const QString& peer);
    void clientDropped(const QString& peer);
    void clientDisconnected(const QString& peer);

private slots:
    void acceptClients();
    void clientWrote();
    void clientGone();
    void checkStalled();

private:
    void forget(QTcpSocket* client);
    void drop(QTcpSocket* client, const QString& why);
    static QString peerOf(const QTcpSocket* client);

    QHostAddress _address;
    quint16 _port;
    QTcpServer* _server = nullptr;
    QList<QTcpSocket*> _clients;
    QHash<QTcpSocket*, QElapsedTimer> _lastProgress;  // since the client last took bytes
    qint64 _maxBacklog = kDefaultMaxBacklog;
    int _stallTimeoutMs = kDefaultStallTimeoutMs;
    QTimer _stallTimer;  // runs while some client is behind
};

}  // namespace feedio

#endif  // FEEDIO_TCPSERVEROUTPUT_H
