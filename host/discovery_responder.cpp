#include "discovery_responder.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QVariant>

#include "catalogue.h"
#include "tserver.h"

namespace discovery {

bool RateLimit::take(qint64 nowMs) {
    while (!granted_.empty() && nowMs - granted_.front() >= 1000)
        granted_.pop_front();
    if (static_cast<int>(granted_.size()) >= perSecond_) return false;
    granted_.push_back(nowMs);
    return true;
}

QByteArray answerTo(const QByteArray& datagram, const GameInfo& game) {
    if (!readQuery(datagram)) return {};
    return answer(game, datagram.size() * AnswerSizeFactor);
}

GameInfo describe(const TServer& server) {
    GameInfo g;
    g.version = wire::Version;
    // A private game tells the network only that it is here: who hosts it
    // and who is in it are for those with the invite.
    if (server.gate.isPrivate()) return g;
    g.name = server.players[1].name;
    for (int i = 1; i <= server.slotcount && i <= TServer::MaxSlots; ++i) {
        if (!server.players[i].connected) continue;
        if (i <= MaxPlayers)
            ++g.players;
        else
            ++g.spys;
    }
    g.running = server.game.gameon();
    return g;
}

} // namespace discovery

DiscoveryResponder::DiscoveryResponder(const TServer& server, QObject* parent)
    : QObject(parent), server_(server) {
    setObjectName(QStringLiteral("DiscoveryResponder"));
    clock_.start();
}

DiscoveryResponder::~DiscoveryResponder() = default;

bool DiscoveryResponder::start(quint16 port) {
    stop();
    socket_ = new QUdpSocket(this);
    // Not shared: a second program on the port must not split the queries.
    if (!socket_->bind(QHostAddress::AnyIPv4, port, QAbstractSocket::DontShareAddress)) {
        qWarning("Kelvoa host: games on this network not offered, UDP port %u: %s", port,
                 qPrintable(socket_->errorString()));
        delete socket_;
        socket_ = nullptr;
        return false;
    }
    socket_->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                             QVariant(ReceiveBufferBytes));
    connect(socket_, &QUdpSocket::readyRead, this, &DiscoveryResponder::readPending);
    return true;
}

void DiscoveryResponder::stop() {
    if (!socket_) return;
    socket_->close();
    delete socket_;
    socket_ = nullptr;
}

bool DiscoveryResponder::active() const {
    return socket_ != nullptr;
}

quint16 DiscoveryResponder::port() const {
    return socket_ ? socket_->localPort() : 0;
}

void DiscoveryResponder::readPending() {
    if (!socket_) return;
    // Everything that waits is read: a datagram left unread would not be
    // announced again.
    while (socket_->hasPendingDatagrams()) {
        // One byte over the limit tells an oversized datagram from a full one.
        const QNetworkDatagram d = socket_->receiveDatagram(discovery::MaxDatagramBytes + 1);
        const QHostAddress to = d.senderAddress();
        const int toPort = d.senderPort();
        QByteArray reply;
        if (!to.isNull() && toPort > 0)
            reply = discovery::answerTo(d.data(), discovery::describe(server_));
        if (reply.isEmpty() || !budget_.take(clock_.elapsed())) {
            ++ignored_;
            continue;
        }
        socket_->writeDatagram(reply, to, static_cast<quint16>(toPort));
        ++answered_;
    }
}
