#include "discovery.h"

#include <QList>

#include "framing.h"

namespace discovery {
namespace {

// The one message of a datagram: it must end in the terminator and hold no
// other one, and must not be oversized.
std::optional<QByteArray> message(const QByteArray& datagram) {
    if (datagram.isEmpty() || datagram.size() > MaxDatagramBytes) return std::nullopt;
    if (datagram.back() != wire::Terminator) return std::nullopt;
    if (datagram.indexOf(wire::Terminator) != datagram.size() - 1) return std::nullopt;
    return datagram.left(datagram.size() - 1);
}

// A count as written on the wire: decimal digits only, within [0, hi].
std::optional<int> count(const QByteArray& field, int hi) {
    if (field.isEmpty() || field.size() > 2) return std::nullopt;
    int v = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v > hi) return std::nullopt;
    return v;
}

} // namespace

QByteArray query(const QByteArray& version) {
    return wire::frame(QByteArray(FindGame) + '+' + version);
}

std::optional<QByteArray> readQuery(const QByteArray& datagram) {
    const auto text = message(datagram);
    if (!text) return std::nullopt;
    const auto [command, version] = wire::splitCommand(*text);
    if (command != FindGame) return std::nullopt;
    return version;
}

QByteArray answer(const GameInfo& game, qsizetype maxBytes) {
    const QByteArray tail = '+' + QByteArray::number(qBound(0, game.players, MaxPlayers)) + '+' +
                            QByteArray::number(qBound(0, game.spys, MaxSpys)) + '+' +
                            (game.running ? "1" : "0") + '+' + game.version;
    const QByteArray head = QByteArray(GameHere) + '+';
    const qsizetype room = maxBytes - head.size() - tail.size() - 1; // 1: the terminator
    if (room < 0) return {};
    return wire::frame(head + game.name.left(room) + tail);
}

std::optional<GameInfo> readAnswer(const QByteArray& datagram) {
    const auto text = message(datagram);
    if (!text) return std::nullopt;
    const auto [command, args] = wire::splitCommand(*text);
    if (command != GameHere) return std::nullopt;
    QList<QByteArray> f = args.split('+');
    if (f.size() < 5) return std::nullopt;
    GameInfo g;
    g.version = f.takeLast();
    const QByteArray running = f.takeLast();
    if (running != "0" && running != "1") return std::nullopt;
    g.running = running == "1";
    const auto spys = count(f.takeLast(), MaxSpys);
    const auto players = count(f.takeLast(), MaxPlayers);
    if (!spys || !players) return std::nullopt;
    g.spys = *spys;
    g.players = *players;
    g.name = f.join('+');
    return g;
}

} // namespace discovery
