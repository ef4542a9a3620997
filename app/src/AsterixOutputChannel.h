#ifndef VELTMAR_ASTERIXOUTPUTCHANNEL_H
#define VELTMAR_ASTERIXOUTPUTCHANNEL_H

#include <QByteArray>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QObject>
#include <QString>
#include <QUdpSocket>

// One ASTERIX output channel: a UDP socket that sends each data block as one datagram, either
// to a unicast or broadcast address or to a multicast group through a chosen network
// interface (the destination address decides; the same datagram call serves all three).
//
// Multicast sending binds the socket to a system-chosen local port on every IPv4 address and
// turns multicast loop-back on, so that receivers on this host get the blocks too. A channel
// whose preparation failed still sends every block while it is enabled; send errors are
// ignored, as UDP output does nothing about a lost datagram.
class AsterixOutputChannel : public QObject {
    Q_OBJECT

public:
    struct Settings {
        bool enabled = false;
        QHostAddress address;                  // destination address or multicast group
        quint16 port = 0;                      // destination port
        QNetworkInterface multicastInterface;  // used only when the output is multicast
    };

    // `number` is the channel number that the messages name (1 or 2).
    explicit AsterixOutputChannel(int number, QObject* parent = nullptr);

    int number() const { return _number; }
    bool enabled() const { return _settings.enabled; }
    const Settings& settings() const { return _settings; }
    // The bound local port, 0 while unbound.
    quint16 localPort() const { return _socket.localPort(); }

    // Prepares the channel for sending with `settings`, unicast or multicast, and reports the
    // outcome through message():
    //   disabled: "ASTERIX output channel %1 is not activated." (log);
    //   already bound: "ASTERIX output channel %1 is running." (show and log);
    //   unicast: "ASTERIX output channel %1 is sending to address %2 port %3" (log);
    //   multicast with an invalid interface: "ASTERIX output channel %1 LAN interface invalid."
    //   (show and log); bind failure: "ASTERIX output channel %1 failed to bind." (show and
    //   log); interface not taken: "ASTERIX output channel %1 failed to use inteface %2." (show
    //   and log); otherwise "ASTERIX output channel %1 is using local port %2 at interface %3,
    //   sending to multicast group %4 port %5" (log).
    void start(const Settings& settings, bool multicast);

    // Sends `datagram` to the destination when the channel is enabled; false when it is not
    // enabled or the datagram could not be handed to the system.
    bool send(const QByteArray& datagram);

    // Closes the socket; the settings stay.
    void close();

signals:
    // A text for the general log; showInStatusBar asks for the status bar as well.
    void message(const QString& text, bool showInStatusBar);

private:
    void prepareMulticast();

    const int _number;
    Settings _settings;
    QUdpSocket _socket;
};

#endif  // VELTMAR_ASTERIXOUTPUTCHANNEL_H
