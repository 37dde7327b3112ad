#include "game_finder.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>

#include "catalogue.h"
#include "codepage.h"

namespace {
bool isIPv4(const QHostAddress& a) {
    return a.protocol() == QAbstractSocket::IPv4Protocol;
}

// A name is shown on one line as plain text: control characters become blanks.
QString displayName(const QByteArray& bytes) {
    QString s = wire::decode(bytes);
    for (QChar& c : s)
        if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
    return s;
}
} // namespace

GameFinder::GameFinder(QObject* parent) : QObject(parent) {
    collect_.setSingleShot(true);
    collect_.setInterval(CollectMs);
    connect(&collect_, &QTimer::timeout, this, [this] {
        cancel();
        emit finished();
    });
}

QList<QHostAddress> GameFinder::broadcastAddresses() {
    QList<QHostAddress> out;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto flags = i.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::CanBroadcast) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries())
            if (isIPv4(e.ip()) && !e.broadcast().isNull() && !out.contains(e.broadcast()))
                out << e.broadcast();
    }
    return out;
}

QList<QHostAddress> GameFinder::ownAddresses() {
    QList<QHostAddress> out;
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (isIPv4(a) && !a.isLoopback() && !out.contains(a)) out << a;
    return out;
}

bool GameFinder::isThisComputer(const QHostAddress& a) {
    return a.isLoopback() || ownAddresses().contains(a);
}

void GameFinder::search() {
    cancel();
    games_.clear();
    own_ = ownAddresses();
    emit changed();
    socket_ = new QUdpSocket(this);
    // A fresh port per search, so a late answer to the last one cannot mix in.
    socket_->bind(QHostAddress::AnyIPv4, 0);
    connect(socket_, &QUdpSocket::readyRead, this, &GameFinder::readPending);
    QList<QHostAddress> to = targets;
    if (to.isEmpty()) to = broadcastAddresses() << QHostAddress(QHostAddress::LocalHost);
    const QByteArray q = discovery::query(wire::Version);
    for (const QHostAddress& a : to)
        socket_->writeDatagram(q, a, port);
    collect_.start();
}

void GameFinder::cancel() {
    collect_.stop();
    if (!socket_) return;
    delete socket_;
    socket_ = nullptr;
}

void GameFinder::readPending() {
    while (socket_ && socket_->hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_->receiveDatagram(discovery::MaxDatagramBytes + 1);
        take(d.senderAddress(), d.data());
    }
}

void GameFinder::take(const QHostAddress& from, const QByteArray& datagram) {
    const auto game = discovery::readAnswer(datagram);
    if (!game || !isIPv4(from)) return;
    FoundGame g;
    g.name = displayName(game->name);
    g.players = game->players;
    g.spys = game->spys;
    g.running = game->running;
    g.version = displayName(game->version);
    // One host per computer can hold the game's port, so every address of
    // this computer is the same game.
    g.thisComputer = from.isLoopback() || own_.contains(from);
    g.address = g.thisComputer ? QStringLiteral("127.0.0.1") : from.toString();
    for (FoundGame& known : games_) {
        if (known.address == g.address) {
            known = g;
            emit changed();
            return;
        }
    }
    if (games_.size() >= MaxGames) return;
    games_ << g;
    emit changed();
}
