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

void RawHost::pump(Inbox& inbox) {
    if (client_ && client_->bytesAvailable() > 0) inbox.feed(client_->readAll());
}

QByteArray RawHost::waitForPrefix(const QByteArray& prefix, int timeoutMs) {
    return inbox_.waitForPrefix([this](Inbox& i) { pump(i); }, prefix, timeoutMs);
}

QList<QByteArray> RawHost::take() {
    pump(inbox_);
    return inbox_.take();
}

void RawHost::dropClient() {
    if (client_) client_->disconnectFromHost();
}
