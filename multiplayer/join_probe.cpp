#include "join_probe.h"

#include "catalogue.h"

JoinProbe::JoinProbe(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { finish(NoGame); });
    connect(&socket_, &QTcpSocket::readyRead, this, &JoinProbe::readGreeting);
    connect(&socket_, &QTcpSocket::errorOccurred, this, [this] {
        if (running()) finish(NoGame);
    });
}

void JoinProbe::start(const QString& address, quint16 port) {
    cancel();
    framer_.clear();
    active_ = true;
    timer_.start(timeoutMs);
    socket_.connectToHost(address, port);
}

void JoinProbe::cancel() {
    active_ = false;
    timer_.stop();
    socket_.abort();
}

void JoinProbe::readGreeting() {
    std::deque<QByteArray> messages;
    if (!framer_.feed(socket_.readAll(), messages)) return finish(NoGame);
    if (messages.empty()) return;
    // A host's first word to a newcomer is its seat number, or that it is full.
    const QByteArray command = wire::splitCommand(messages.front()).command;
    if (command == cmd::SendLoginInfo)
        finish(Hosted);
    else if (command == cmd::Full)
        finish(Full);
    else
        finish(NoGame);
}

void JoinProbe::finish(Result r) {
    if (!active_) return;
    active_ = false;
    timer_.stop();
    // Closed without a login: to the host this is a visitor who left at once.
    socket_.abort();
    emit finished(r);
}
