#ifndef FEEDIO_FEEDOUTPUT_H
#define FEEDIO_FEEDOUTPUT_H

// Where the framed replies go: a TCP server's clients, UDP datagrams, a file or stdout. The
// player hands each output whole frames, in pieces no larger than maxChunk().

#include <QByteArray>
#include <QObject>
#include <QString>

namespace feedio {

class FeedOutput : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~FeedOutput() override = default;

    // Starts the output (binds, listens, opens). False, after failed(), when it cannot.
    virtual bool open() = 0;
    // Sends bytes; false when they could not all be handed on (a datagram refused, a full
    // disk). Clients of a server that cannot keep up are dropped, not waited for.
    virtual bool write(const QByteArray& bytes) = 0;
    // Whether more may be written now without piling up: what "as fast as possible" waits
    // for. readyForMore() says when it becomes true again.
    virtual bool wantsMore() const { return true; }
    // The largest piece write() takes (0: any size), so that no frame is split across pieces.
    virtual int maxChunk() const { return 0; }
    // Finishes writing what is buffered (files).
    virtual void flush() {}

signals:
    void readyForMore();
    // A line for the user: clients coming and going, where it listens.
    void message(const QString& text);
    void failed(const QString& reason);
};

}  // namespace feedio

#endif  // FEEDIO_FEEDOUTPUT_H
