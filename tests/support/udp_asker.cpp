#include "udp_asker.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QTest>

UdpAsker::UdpAsker() {
    sock.bind(QHostAddress::LocalHost, 0);
}

void UdpAsker::send(const QByteArray& datagram) {
    sock.writeDatagram(datagram, QHostAddress::LocalHost, to);
}

QList<QByteArray> UdpAsker::collect(int ms) {
    QList<QByteArray> got;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QTest::qWait(10);
        while (sock.hasPendingDatagrams())
            got << sock.receiveDatagram().data();
    }
    return got;
}

QByteArray UdpAsker::first(int ms) {
    QElapsedTimer t;
    t.start();
    while (!sock.hasPendingDatagrams() && t.elapsed() < ms)
        QTest::qWait(5);
    return sock.hasPendingDatagrams() ? sock.receiveDatagram().data() : QByteArray();
}

QByteArray UdpAsker::ask(int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        send(discovery::query("1.0.3"));
        const QList<QByteArray> got = collect(200);
        if (!got.isEmpty()) return got.front();
    }
    return {};
}
