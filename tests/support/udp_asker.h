#pragma once
// Asks for games on the network from its own ephemeral loopback port, as the
// Join dialog does, and collects what comes back.
#include <QByteArray>
#include <QList>
#include <QUdpSocket>

#include "discovery.h"

class UdpAsker {
public:
    UdpAsker();
    quint16 to = discovery::Port; // where the answering host listens

    void send(const QByteArray& datagram);
    // Everything that arrives within 'ms'.
    QList<QByteArray> collect(int ms);
    // The first datagram, waiting at most 'ms'; empty when none came.
    QByteArray first(int ms = 5000);
    // Asks until answered (the program may still be starting).
    QByteArray ask(int timeoutMs = 10000);

    QUdpSocket sock;
};
