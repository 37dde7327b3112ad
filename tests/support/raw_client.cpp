#include "raw_client.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

bool RawClient::connectTo(quint16 port, int timeoutMs, const QString& from) {
    if (!from.isEmpty() && !sock_.bind(QHostAddress(from))) return false;
    sock_.connectToHost(QStringLiteral("127.0.0.1"), port);
    QDeadlineTimer dl(timeoutMs);
    while (sock_.state() != QAbstractSocket::ConnectedState && !dl.hasExpired()) {
        if (sock_.state() == QAbstractSocket::UnconnectedState) return false;
        QTest::qWait(5);
    }
    return sock_.state() == QAbstractSocket::ConnectedState;
}

void RawClient::send(const QByteArray& text) {
    sendRaw(wire::frame(text));
}

void RawClient::sendRaw(const QByteArray& bytes) {
    sock_.write(bytes);
    sock_.flush();
}

void RawClient::pump(Inbox& inbox) {
    if (sock_.bytesAvailable() > 0) inbox.feed(sock_.readAll());
}

bool RawClient::waitFor(int n, int timeoutMs) {
    return inbox_.waitFor([this](Inbox& i) { pump(i); }, n, timeoutMs);
}

QByteArray RawClient::waitForPrefix(const QByteArray& prefix, int timeoutMs) {
    return inbox_.waitForPrefix([this](Inbox& i) { pump(i); }, prefix, timeoutMs);
}

QList<QByteArray> RawClient::take() {
    pump(inbox_);
    return inbox_.take();
}

bool RawClient::waitClosed(int timeoutMs) {
    QDeadlineTimer dl(timeoutMs);
    while (sock_.state() != QAbstractSocket::UnconnectedState && !dl.hasExpired()) {
        pump(inbox_);
        QTest::qWait(5);
    }
    pump(inbox_);
    return sock_.state() == QAbstractSocket::UnconnectedState;
}
