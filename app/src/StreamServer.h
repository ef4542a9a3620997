#ifndef VELTMAR_STREAMSERVER_H
#define VELTMAR_STREAMSERVER_H

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

// A TCP server that sends one stream of bytes to every connected client, the part that the
// Beast and BaseStation outputs share.
//
// Sending never blocks: bytes go into each client's socket buffer and leave as the client
// reads them. A client that does not keep up, whose unsent bytes would pass the limit
// (maxPendingBytes, 4 MiB by default), is dropped with the log line "%1: client %2:%3 dropped,
// %4 bytes not taken." so that one stalled client can neither hold up the program nor grow
// its memory; the other clients go on. What clients send is read and thrown away.
//
// Log lines name the output by the name given at construction ("Beast output").
class StreamServer : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kDefaultMaxPendingBytes = 4 * 1024 * 1024;

    StreamServer(const QString& name, QObject* parent = nullptr);
    ~StreamServer() override;

    const QString& name() const { return _name; }

    // Listens on address:port (port 0: a free port, see serverPort()). Logs "%1 is listening
    // on %2:%3." or "%1 failed to listen on %2:%3: %4." (shown in the status bar as well). A
    // server already listening is closed first.
    bool listen(const QHostAddress& address, quint16 port);
    // Disconnects every client and stops listening; "%1 has stopped." when it was listening.
    void close();
    bool isListening() const;
    quint16 serverPort() const;

    void setMaxPendingBytes(qint64 bytes) { _maxPending = bytes; }
    qint64 maxPendingBytes() const { return _maxPending; }
    int clientCount() const { return _clients.size(); }
    // Clients dropped for not reading since the server was made.
    int droppedClients() const { return _dropped; }
    // Bytes handed to send() since the server was made, whether or not a client was there.
    quint64 bytesOffered() const { return _offered; }

    // Sends `bytes` to every client.
    void send(const QByteArray& bytes);

signals:
    // A text for the general log; showInStatusBar asks for the status bar as well.
    void message(const QString& text, bool showInStatusBar);

private:
    void acceptClients();
    void removeClient(QTcpSocket* client);

    QString _name;
    QTcpServer* _server;
    QList<QTcpSocket*> _clients;
    qint64 _maxPending = kDefaultMaxPendingBytes;
    int _dropped = 0;
    quint64 _offered = 0;
};

#endif  // VELTMAR_STREAMSERVER_H
