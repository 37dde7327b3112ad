#include "raw_client.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

bool RawClient::connectTo(quint16 port, int timeoutMs) {
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

void RawClient::pump() {
    if (sock_.bytesAvailable() > 0) framer_.feed(sock_.readAll(), messages_);
}

bool RawClient::waitFor(int n, int timeoutMs) {
    QDeadlineTimer dl(timeoutMs);
    for (;;) {
        pump();
        if (static_cast<int>(messages_.size()) >= n) return true;
        if (dl.hasExpired()) return false;
        QTest::qWait(2);
    }
}

QByteArray RawClient::waitForPrefix(const QByteArray& prefix, int timeoutMs) {
    QDeadlineTimer dl(timeoutMs);
    for (;;) {
        pump();
        for (auto it = messages_.begin(); it != messages_.end(); ++it) {
            if (it->startsWith(prefix)) {
                QByteArray m = *it;
                messages_.erase(messages_.begin(), it + 1);
                return m;
            }
        }
        if (dl.hasExpired()) return {};
        QTest::qWait(2);
    }
}

QList<QByteArray> RawClient::take() {
    pump();
    QList<QByteArray> out(messages_.begin(), messages_.end());
    messages_.clear();
    return out;
}

bool RawClient::waitClosed(int timeoutMs) {
    QDeadlineTimer dl(timeoutMs);
    while (sock_.state() != QAbstractSocket::UnconnectedState && !dl.hasExpired()) {
        pump();
        QTest::qWait(5);
    }
    pump();
    return sock_.state() == QAbstractSocket::UnconnectedState;
}
