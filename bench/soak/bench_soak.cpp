// A long run of a real host under everything at once: the computer plays
// both seats game after game, 1 000 guests come, log in and go, one spy chats
// as fast as the host takes it, and another sends random bytes. Afterwards the
// game still ends with a winner, chat still reaches everyone, no slot is left
// taken, and the host's memory is where it started. Prints the figures.
//   kelvoa-bench-soak [guests [seconds]]     (default 1000 guests over 60 s)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTcpSocket>

#include <cstdio>
#include <deque>
#include <memory>

#include "bench_support.h"
#include "catalogue.h"
#include "framing.h"
#include "tserver.h"

namespace {

struct Peer {
    QTcpSocket sock;
    wire::Framer framer;
    std::deque<QByteArray> inbox;
    int slot = 0;
    bool open() const { return sock.state() == QAbstractSocket::ConnectedState; }
    void pump() {
        if (sock.bytesAvailable() && !framer.feed(sock.readAll(), inbox)) sock.abort();
        while (slot == 0 && !inbox.empty()) {
            const QByteArray m = inbox.front();
            inbox.pop_front();
            if (m.startsWith("CMD_sendlogininfo+")) slot = m.mid(18).toInt();
        }
    }
    void send(const QByteArray& text) { sock.write(wire::frame(text)); }
    int count(const QByteArray& prefix) {
        int n = 0;
        for (auto it = inbox.begin(); it != inbox.end();)
            if (it->startsWith(prefix)) {
                ++n;
                it = inbox.erase(it);
            } else {
                ++it;
            }
        return n;
    }
};

std::unique_ptr<Peer> connectTo(quint16 port) {
    auto p = std::make_unique<Peer>();
    p->sock.connectToHost(QHostAddress::LocalHost, port);
    return p;
}

bool login(Peer& p, const QString& name) {
    const bool given = spin(
        [&] {
            p.pump();
            return p.slot != 0 || p.sock.state() == QAbstractSocket::UnconnectedState;
        },
        5000);
    if (!given || p.slot == 0) return false;
    p.send(wire::logininfo(p.slot, QString::fromLatin1(wire::Version), name));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The host notes every peer it cuts off; thousands of those lines say nothing here.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const int cycles = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    const int seconds = argc > 2 ? std::max(1, atoi(argv[2])) : 60;
    const qint64 guestEveryMs = qint64(seconds) * 1000 / cycles;
    TServer server;
    server.setListening(true, QStringLiteral("0"));
    const quint16 port = server.listeningPort();

    // The hosting user: starts games and lets the computer play his seat.
    auto host = connectTo(port);
    if (!login(*host, QStringLiteral("Host"))) return 1;
    host->send(wire::botspeed(1, 1));
    auto startGame = [&] {
        host->send(wire::startgame(QStringLiteral("Host")));
        host->send(wire::justwatch(1, 1));
    };
    // Seat 2 stays empty for the computer: the chatter is a spy in slot 3.
    auto seat2 = connectTo(port);
    if (!login(*seat2, QStringLiteral("Placeholder"))) return 1;
    auto chatter = connectTo(port);
    if (!login(*chatter, QStringLiteral("Chatter"))) return 1;
    seat2.reset();
    std::unique_ptr<Peer> noise;
    spin(
        [&] {
            host->pump();
            chatter->pump();
            return false;
        },
        300);
    startGame();

    QRandomGenerator rng(7772);
    int games = 0, guests = 0, noiseConnections = 0, chatSent = 0, chatRelayed = 0;
    int outstanding = 0;
    long startKiB = -1;
    std::unique_ptr<Peer> guest;
    QElapsedTimer clock;
    clock.start();
    while (guests < cycles) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        host->pump();
        chatter->pump();
        const int won = host->count("CMD_winner+");
        if (won) {
            games += won;
            startGame();
        }
        host->inbox.clear();
        // The chatter keeps as many lines in flight as its share of the
        // host's queue allows without being cut off.
        const int back = chatter->count("CMD_chat+" + QByteArray::number(chatter->slot) + "+");
        chatRelayed += back;
        outstanding -= back;
        chatter->inbox.clear();
        while (outstanding < TServer::MaxQueuedPerConnection / 2) {
            chatter->send(wire::chat(chatter->slot, QStringLiteral("line %1").arg(chatSent),
                                     QStringLiteral("clRed")));
            ++chatSent;
            ++outstanding;
        }
        // Random bytes from a peer that comes back whenever it is cut off.
        if (!noise || noise->sock.state() == QAbstractSocket::UnconnectedState) {
            noise = connectTo(port);
            ++noiseConnections;
        } else if (noise->open() && noise->sock.bytesToWrite() < 16 * 1024) {
            QByteArray junk(4096, '\0');
            for (char& c : junk)
                c = char(rng.bounded(256));
            noise->sock.write(junk);
            noise->sock.readAll();
        }
        // Guests: connect, log in, leave, spread over the run.
        if (!guest) {
            if (clock.elapsed() < guests * guestEveryMs) continue;
            guest = connectTo(port);
        } else {
            guest->pump();
            if (guest->slot != 0) {
                guest->send(wire::logininfo(guest->slot, QString::fromLatin1(wire::Version),
                                            QStringLiteral("Guest%1").arg(guests)));
                guest->sock.flush();
                guest.reset();
                ++guests;
                if (guests == 50) startKiB = residentKiB(); // after the warm-up
            } else if (guest->sock.state() == QAbstractSocket::UnconnectedState) {
                guest.reset(); // refused while full; try again
            }
        }
    }
    const double ran = clock.elapsed() / 1000.0;
    noise.reset();
    guest.reset();
    spin([&] { return false; }, 500);
    const long endKiB = residentKiB();

    // The game still ends with a winner.
    QElapsedTimer last;
    last.start();
    bool ended = spin(
        [&] {
            host->pump();
            chatter->pump();
            chatter->inbox.clear();
            return host->count("CMD_winner+") > 0;
        },
        120000);
    // Chat still reaches everyone: host, chatter and a newcomer.
    auto late = connectTo(port);
    const bool lateIn = login(*late, QStringLiteral("Late"));
    spin(
        [&] {
            host->pump();
            chatter->pump();
            late->pump();
            return false;
        },
        300);
    host->inbox.clear();
    chatter->inbox.clear();
    late->inbox.clear();
    late->send(wire::chat(late->slot, QStringLiteral("still here"), QStringLiteral("clBlue")));
    const QByteArray relay = "CMD_chat+" + QByteArray::number(late->slot) + "+Late chats: still";
    int reached = 0;
    spin(
        [&] {
            host->pump();
            chatter->pump();
            late->pump();
            reached += host->count(relay) + chatter->count(relay) + late->count(relay);
            return reached >= 3;
        },
        5000);
    late.reset();
    spin([&] { return false; }, 300);
    int taken = 0;
    for (int i = 1; i <= TServer::MaxSlots; ++i)
        taken += server.players[static_cast<unsigned>(i)].connected;

    std::printf("soak: %.1f s, %d guests came and went, %d games won, %d noise connections\n", ran,
                guests, games, noiseConnections);
    std::printf("chat: %d lines sent, %d relayed back (%.0f lines/s)\n", chatSent, chatRelayed,
                chatRelayed / ran);
    std::printf("afterwards: last game ended with a winner: %s; late chat reached %d of 3%s; "
                "slots taken: %d (the host and the chatter)\n",
                ended ? "yes" : "NO", reached, lateIn ? "" : " (late login failed)", taken);
    std::printf("memory: %ld KiB after warm-up, %ld KiB at the end (%+.1f %%)\n", startKiB, endKiB,
                startKiB > 0 ? 100.0 * (endKiB - startKiB) / startKiB : 0.0);
    return ended && reached >= 3 && taken == 2 ? 0 : 1;
}
