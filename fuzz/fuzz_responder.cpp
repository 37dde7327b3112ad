// The hosting copy's answer to "games on this network", over real UDP on the
// loopback: a host whose roster the input sets (its user's name, who is
// connected, whether a game runs) and a fresh responder, so that the rate
// cap starts anew; the rest of the input is a burst of datagrams, each two
// length bytes and its bytes. Every datagram is answered or ignored, no answer
// is longer than eight times its query nor tells another game than the
// host's, and no more are answered than the cap allows.
#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <cstdlib>

#include "catalogue.h"
#include "discovery_responder.h"
#include "fuzz_support.h"
#include "tserver.h"

namespace {
QCoreApplication* app = nullptr;
QUdpSocket* asker = nullptr;

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz-responder: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    app = new QCoreApplication(*argc, *argv);
    asker = new QUdpSocket;
    if (!asker->bind(QHostAddress::LocalHost, 0)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    // The roster: a bit per slot connected, the running game, and the
    // hosting user's name.
    TServer server;
    const unsigned connected = data[0] | (data[1] & 1u) << 8;
    for (int i = 1; i <= TServer::MaxSlots; ++i)
        server.players[unsigned(i)].connected = (connected >> (i - 1)) & 1u;
    server.slotcount = TServer::MaxSlots;
    if (data[1] & 2) (void)server.game.startgame();
    const size_t nameLength = std::min<size_t>(data[2], size - 3);
    server.players[1].name =
        QByteArray(reinterpret_cast<const char*>(data + 3), qsizetype(nameLength));
    // A name arrived as one message, so it never holds the terminator.
    server.players[1].name.replace('\xff', '?');
    size_t at = 3 + nameLength;

    DiscoveryResponder responder(server);
    check(responder.start(0), "the responder does not listen");
    int sent = 0;
    QList<QByteArray> queries;
    while (at + 2 <= size) {
        // Two length bytes, so that datagrams over the 512-byte limit occur.
        const size_t n = std::min<size_t>((data[at] | data[at + 1] << 8) % 601, size - at - 2);
        const QByteArray d(reinterpret_cast<const char*>(data + at + 2), qsizetype(n));
        at += 2 + n;
        // An empty datagram wakes no reader: there is nothing to judge.
        if (d.isEmpty() || asker->writeDatagram(d, QHostAddress::LocalHost, responder.port()) < 0)
            continue;
        queries << d;
        ++sent;
    }
    check(fuzz::waitFor([&] { return responder.answered() + responder.ignored() >= sent; }),
          "a datagram was neither answered nor ignored");
    check(responder.answered() <= discovery::MaxAnswersPerSecond, "more answers than the cap");
    const discovery::GameInfo game = discovery::describe(server);
    QList<QByteArray> answers;
    fuzz::waitFor(
        [&] {
            while (asker->hasPendingDatagrams())
                answers << asker->receiveDatagram().data();
            return answers.size() >= responder.answered();
        },
        1000);
    qsizetype longest = 0;
    for (const QByteArray& q : queries)
        longest = std::max(longest, q.size());
    for (const QByteArray& a : answers) {
        const auto told = discovery::readAnswer(a);
        check(told.has_value(), "an answer that reads as none");
        check(told->players == game.players && told->spys == game.spys &&
                  told->running == game.running && told->version == game.version,
              "an answer tells another game");
        check(game.name.startsWith(told->name), "an answer tells another name");
        check(a.size() <= longest * discovery::AnswerSizeFactor, "an answer too long");
    }
    check(answers.size() == responder.answered(), "answers counted but not sent");
    return 0;
}
