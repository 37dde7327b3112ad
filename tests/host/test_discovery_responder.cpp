// A hosting copy answering "games on this network", through real UDP sockets
// on loopback: what it tells, what it ignores, and that no datagram, however
// many, reaches the game.
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include <memory>
#include <vector>

#include "catalogue.h"
#include "discovery_responder.h"
#include "raw_client.h"
#include "tserver.h"
#include "udp_asker.h"

namespace {
using Asker = UdpAsker;
} // namespace

class TestDiscoveryResponder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rateLimitWindow();
    void answersWhoHostsAndWhoIsThere();
    void ignoresEverythingButAQuery_data();
    void ignoresEverythingButAQuery();
    void answerAtMostEightTimesTheQuery();
    void floodIsCappedAndTheGameGoesOn();
    void datagramsNeverReachTheGame();
    void takenPortLeavesTheGameUnseen();

private:
    RawClient* login(const QByteArray& name, int slot);
    std::unique_ptr<TServer> server;
    std::unique_ptr<DiscoveryResponder> responder;
    std::vector<std::unique_ptr<RawClient>> clients;
};

void TestDiscoveryResponder::init() {
    server = std::make_unique<TServer>();
    server->setListening(true, "0");
    responder = std::make_unique<DiscoveryResponder>(*server);
    QVERIFY(responder->start(0));
    QVERIFY(responder->port() != 0);
}

void TestDiscoveryResponder::cleanup() {
    clients.clear();
    responder.reset();
    server.reset();
}

RawClient* TestDiscoveryResponder::login(const QByteArray& name, int slot) {
    clients.push_back(std::make_unique<RawClient>());
    RawClient* c = clients.back().get();
    if (!c->connectTo(server->listeningPort())) return nullptr;
    if (c->waitForPrefix("CMD_sendlogininfo") != wire::sendlogininfo(slot)) return nullptr;
    c->send(wire::logininfo(slot, "1.0.3", QString::fromLatin1(name)));
    if (c->waitForPrefix("CMD_newplayerinfo+" + QByteArray::number(slot)).isEmpty()) return nullptr;
    return c;
}

void TestDiscoveryResponder::rateLimitWindow() {
    discovery::RateLimit limit(3);
    QVERIFY(limit.take(0));
    QVERIFY(limit.take(10));
    QVERIFY(limit.take(999));
    QVERIFY(!limit.take(999));
    QVERIFY(!limit.take(999)); // refusals are not counted
    QVERIFY(limit.take(1000)); // the grant at 0 has left the window
    QVERIFY(!limit.take(1005));
    QVERIFY(limit.take(1010));
    QVERIFY(limit.take(2500));
    QVERIFY(limit.take(2500));
    QVERIFY(limit.take(2500));
    QVERIFY(!limit.take(3499));
}

void TestDiscoveryResponder::answersWhoHostsAndWhoIsThere() {
    Asker asker;
    asker.to = responder->port();
    QVERIFY(login("Alice", 1));
    asker.send(discovery::query("1.0.3"));
    QCOMPARE(asker.first(), QByteArray("CMD_gamehere+Alice+1+0+0+1.0.3\xff"));

    QVERIFY(login("Bob", 2));
    QVERIFY(login("Cy", 3));
    QVERIFY(login("Di", 4));
    clients[0]->send(wire::startgame("Alice"));
    QTRY_VERIFY(server->game.gameon());
    // An asker of another version is told all the same (and learns ours).
    asker.send(discovery::query("0.9"));
    QCOMPARE(asker.first(), QByteArray("CMD_gamehere+Alice+2+2+1+1.0.3\xff"));

    clients[2]->close(); // Cy leaves
    QTRY_VERIFY(!server->players[3].connected);
    asker.send(discovery::query("1.0.3"));
    QCOMPARE(asker.first(), QByteArray("CMD_gamehere+Alice+2+1+1+1.0.3\xff"));

    // A private game tells who hosts it and who is in it to nobody.
    server->gate.setCode("ABCDEFGHJK");
    asker.send(discovery::query("1.0.3"));
    QCOMPARE(asker.first(), QByteArray("CMD_gamehere++0+0+0+1.0.3\xff"));
}

void TestDiscoveryResponder::ignoresEverythingButAQuery_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::newRow("garbage") << QByteArray("\x01\x02garbage\x00\xfe", 12);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no terminator") << QByteArray("CMD_findgame+1.0.3");
    QTest::newRow("two queries") << QByteArray("CMD_findgame+1.0.3\xff"
                                               "CMD_findgame+1.0.3\xff");
    QTest::newRow("other command") << QByteArray("CMD_gamehere+X+1+0+0+1.0.3\xff");
    QTest::newRow("lower case") << QByteArray("cmd_findgame+1.0.3\xff");
    QTest::newRow("513 bytes") << QByteArray("CMD_findgame+" + QByteArray(499, '1') + '\xff');
    QTest::newRow("64 KiB") << QByteArray("CMD_findgame+" + QByteArray(65000, '1') + '\xff');
}

void TestDiscoveryResponder::ignoresEverythingButAQuery() {
    QFETCH(QByteArray, datagram);
    QVERIFY(login("Alice", 1));
    Asker asker;
    asker.to = responder->port();
    asker.send(datagram);
    QTRY_COMPARE(responder->ignored(), 1);
    QCOMPARE(asker.collect(200), QList<QByteArray>());
    QCOMPARE(responder->answered(), 0);
    // The longest datagram still taken is answered.
    asker.send("CMD_findgame+" + QByteArray(498, '1') + '\xff');
    QVERIFY(!asker.first().isEmpty());
}

void TestDiscoveryResponder::answerAtMostEightTimesTheQuery() {
    // A long name and the shortest query: the host keeps the name to what the
    // dialogs allow, and the answer stays within eight times the query.
    QVERIFY(login(QByteArray(200, 'N'), 1));
    Asker asker;
    asker.to = responder->port();
    const QByteArray shortest("CMD_findgame+\xff");
    asker.send(shortest);
    const QByteArray a = asker.first();
    QVERIFY(a.size() <= shortest.size() * discovery::AnswerSizeFactor);
    QCOMPARE(a, "CMD_gamehere+" + QByteArray(wire::MaxNameBytes, 'N') + "+1+0+0+1.0.3\xff");
    QCOMPARE(asker.collect(100), QList<QByteArray>()); // one answer per query
}

void TestDiscoveryResponder::floodIsCappedAndTheGameGoesOn() {
    RawClient* alice = login("Alice", 1);
    RawClient* bob = login("Bob", 2);
    QVERIFY(alice && bob);
    Asker asker;
    asker.to = responder->port();
    std::vector<std::unique_ptr<Asker>> others(4);
    for (auto& o : others) {
        o = std::make_unique<Asker>();
        o->to = responder->port();
    }
    // 60 queries from one asker and 10 from each of four others, at once.
    for (int i = 0; i < 60; ++i)
        asker.send(discovery::query("1.0.3"));
    for (auto& o : others)
        for (int i = 0; i < 10; ++i)
            o->send(discovery::query("1.0.3"));
    // While the flood is judged, the game's connections are served.
    bob->send("CMD_chat+2+still here|clBlue");
    QCOMPARE(alice->waitForPrefix("CMD_chat"),
             QByteArray("CMD_chat+2+Bob chats: still here|clBlue"));

    int total = asker.collect(600).size();
    for (auto& o : others)
        total += o->collect(10).size();
    QCOMPARE(total, discovery::MaxAnswersPerSecond);
    QTRY_COMPARE(responder->answered() + responder->ignored(), 100);
    // A second later the host answers again.
    QTest::qWait(1100);
    asker.send(discovery::query("1.0.3"));
    QCOMPARE(asker.first(), QByteArray("CMD_gamehere+Alice+2+0+0+1.0.3\xff"));
}

void TestDiscoveryResponder::datagramsNeverReachTheGame() {
    QVERIFY(login("Alice", 1));
    RawClient* bob = login("Bob", 2);
    QVERIFY(bob);
    QUdpSocket raw;
    for (const QByteArray& d :
         {QByteArray("CMD_startgame+Alice+\xff"), QByteArray("CMD_kickhim+1+2+\xff"),
          QByteArray("CMD_chat+1+hello|clBlack\xff"), QByteArray("CMD_justwatch+2+1\xff")})
        raw.writeDatagram(d, QHostAddress::LocalHost, responder->port());
    QTRY_COMPARE(responder->ignored(), 4);
    QTest::qWait(100);
    QCOMPARE(server->queued(), std::size_t(0));
    QVERIFY(!server->game.gameon());
    QVERIFY(server->players[2].connected);
    QVERIFY(!server->players[2].watchonly);
    QVERIFY(bob->waitForPrefix("CMD_chat", 200).isEmpty());
}

void TestDiscoveryResponder::takenPortLeavesTheGameUnseen() {
    DiscoveryResponder second(*server);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("games on this network not offered, UDP port"));
    QVERIFY(!second.start(responder->port()));
    QVERIFY(!second.active());
    // The first one is still the one that answers.
    QVERIFY(login("Alice", 1));
    Asker asker;
    asker.to = responder->port();
    asker.send(discovery::query("1.0.3"));
    QVERIFY(asker.first().startsWith("CMD_gamehere+Alice+"));
}

QTEST_GUILESS_MAIN(TestDiscoveryResponder)
#include "test_discovery_responder.moc"
