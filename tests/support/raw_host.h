#pragma once
// A stand-in host on a loopback port: accepts one client and speaks the wire
// by hand, so a client's behaviour can be checked message by message.
#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

#include "inbox.h"

class RawHost {
public:
    bool listen(quint16 port = 0);
    quint16 port() const { return server_.serverPort(); }
    bool waitForClient(int timeoutMs = 5000);
    void send(const QByteArray& text); // text without terminator
    QByteArray waitForPrefix(const QByteArray& prefix, int timeoutMs = 5000);
    QList<QByteArray> take();
    void dropClient();
    QTcpSocket* client() const { return client_; }
    int accepted() const { return accepted_; }

private:
    void pump(Inbox& inbox);
    QTcpServer server_;
    QTcpSocket* client_ = nullptr;
    int accepted_ = 0;
    Inbox inbox_;
};
