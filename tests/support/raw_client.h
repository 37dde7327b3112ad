#pragma once
// A plain loopback TCP client that speaks the wire by hand, for checking
// exactly what a host sends.
#include <QByteArray>
#include <QList>
#include <QTcpSocket>

#include "inbox.h"

class RawClient {
public:
    // 'from' is a loopback address of 127.0.0.0/8 to come from (the host
    // counts and removes by address); empty: the system's choice.
    bool connectTo(quint16 port, int timeoutMs = 5000, const QString& from = QString());
    void send(const QByteArray& text); // text without terminator
    void sendRaw(const QByteArray& bytes);
    // Waits until at least n messages have arrived (in total since the last take).
    bool waitFor(int n, int timeoutMs = 5000);
    // Waits for a message starting with prefix; returns it, or empty.
    QByteArray waitForPrefix(const QByteArray& prefix, int timeoutMs = 5000);
    QList<QByteArray> take(); // everything received so far
    bool waitClosed(int timeoutMs = 5000);
    bool isOpen() const { return sock_.state() == QAbstractSocket::ConnectedState; }
    void close() { sock_.abort(); }
    QTcpSocket& socket() { return sock_; }

private:
    void pump(Inbox& inbox);
    QTcpSocket sock_;
    Inbox inbox_;
};
