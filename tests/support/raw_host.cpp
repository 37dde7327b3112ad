#include "raw_host.h"

#include <QDeadlineTimer>
#include <QTest>

bool RawHost::listen(quint16 port) {
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* s = server_.nextPendingConnection()) {
            ++accepted_;
            if (!client_) client_ = s;
        }
    });
    return server_.listen(QHostAddress::Any, port);
}

bool RawHost::waitForClient(int timeoutMs) {
    QDeadlineTimer dl(timeoutMs);
    while (!client_ && !dl.hasExpired())
        QTest::qWait(5);
    return client_ != nullptr;
}

void RawHost::send(const QByteArray& text) {
    client_->write(wire::frame(text));
    client_->flush();
}

void RawHost::pump() {
    if (client_ && client_->bytesAvailable() > 0) framer_.feed(client_->readAll(), messages_);
}

QByteArray RawHost::waitForPrefix(const QByteArray& prefix, int timeoutMs) {
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

QList<QByteArray> RawHost::take() {
    pump();
    QList<QByteArray> out(messages_.begin(), messages_.end());
    messages_.clear();
    return out;
}

void RawHost::dropClient() {
    if (client_) client_->disconnectFromHost();
}
