// The host's connections: slots, login, relay, kick, watchers, departures,
// and what it does with senders that lie or flood.
#include <QElapsedTimer>
#include <QTest>

#include <memory>
#include <vector>

#include "catalogue.h"
#include "raw_client.h"
#include "tserver.h"

using Messages = QList<QByteArray>;

class TestTServer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loginSequence();
    void wrongVersion();
    void tenthConnectionRefused();
    void lowestFreeSlotIsReused();
    void departureTellsOthersOnly();
    void chatRelayKeepsText();
    void playasoundRelay();
    void kick();
    void spoofedSendersIgnored_data();
    void spoofedSendersIgnored();
    void outOfRangeAndGarbage();
    void floodIsCutOff();
    void loginThenCloseLeavesNoGhost();
    void floodOfCompleteMessagesIsCutOff();
    void justWatch();
    void idleHostRunsNoTimer();
    void privateGameLetsInOnlyTheInvited();
    void silentConnectionsLeaveNoMark();

private:
    RawClient* connectClient(int expectedSlot, const QString& from = QString());
    RawClient* login(const QByteArray& name, int expectedSlot);
    void settle();

    std::unique_ptr<TServer> server;
    std::vector<std::unique_ptr<RawClient>> clients;
};

void TestTServer::init() {
    server = std::make_unique<TServer>();
    server->setListening(true, "0");
}

void TestTServer::cleanup() {
    clients.clear();
    server.reset();
}

void TestTServer::settle() {
    QTRY_VERIFY(server->queued() == 0);
    QTest::qWait(60);
}

RawClient* TestTServer::connectClient(int expectedSlot, const QString& from) {
    clients.push_back(std::make_unique<RawClient>());
    RawClient* c = clients.back().get();
    if (!c->connectTo(server->listeningPort(), 5000, from)) return nullptr;
    const QByteArray m = c->waitForPrefix("CMD_sendlogininfo+");
    if (m != wire::sendlogininfo(expectedSlot)) {
        qWarning() << "got" << m;
        return nullptr;
    }
    return c;
}

RawClient* TestTServer::login(const QByteArray& name, int slot) {
    RawClient* c = connectClient(slot);
    if (!c) return nullptr;
    c->send("CMD_logininfo+" + QByteArray::number(slot) + "+1.0.3+" + name);
    if (c->waitForPrefix("CMD_newplayerinfo+" + QByteArray::number(slot) + "+").isEmpty())
        return nullptr;
    settle();
    for (auto& other : clients)
        other->take();
    return c;
}

void TestTServer::loginSequence() {
    RawClient* a = connectClient(1);
    QVERIFY(a);
    a->send("CMD_logininfo+1+1.0.3+Alice");
    QVERIFY(a->waitFor(1));
    settle();
    QCOMPARE(a->take(), Messages{"CMD_newplayerinfo+1+Alice"});

    RawClient* b = connectClient(2);
    QVERIFY(b);
    b->send("CMD_logininfo+2+1.0.3+Bob+Jr");
    QVERIFY(b->waitFor(2));
    settle();
    QCOMPARE(b->take(), (Messages{"CMD_newplayerinfo+2+Bob+Jr", "CMD_existingplayers+1+Alice"}));
    QCOMPARE(a->take(), Messages{"CMD_newplayerinfo+2+Bob+Jr"});

    RawClient* c = connectClient(3);
    QVERIFY(c);
    c->send("CMD_logininfo+3+1.0.3+Cy");
    QVERIFY(c->waitFor(3));
    settle();
    QCOMPARE(c->take(), (Messages{"CMD_newplayerinfo+3+Cy", "CMD_existingplayers+1+Alice",
                                  "CMD_existingplayers+2+Bob+Jr"}));
    QCOMPARE(a->take(), Messages{"CMD_newplayerinfo+3+Cy"});
    QCOMPARE(b->take(), Messages{"CMD_newplayerinfo+3+Cy"});

    // A second login replaces the name and repeats the greetings.
    c->send("CMD_logininfo+3+1.0.3+Cyd");
    QVERIFY(c->waitFor(3));
    settle();
    QCOMPARE(c->take().first(), QByteArray("CMD_newplayerinfo+3+Cyd"));
    QCOMPARE(server->players[3].name, QByteArray("Cyd"));
}

void TestTServer::wrongVersion() {
    RawClient* a = login("Alice", 1);
    QVERIFY(a);
    RawClient* b = connectClient(2);
    b->send("CMD_logininfo+2+0.9+Bob");
    QVERIFY(b->waitFor(3));
    settle();
    QCOMPARE(b->take(), (Messages{"CMD_newplayerinfo+2+Bob", "CMD_existingplayers+1+Alice",
                                  "CMD_wrongversion+"}));
    QCOMPARE(a->take(), (Messages{"CMD_newplayerinfo+2+Bob", "CMD_havewrongversion+Bob"}));
    QVERIFY(b->isOpen());
}

void TestTServer::tenthConnectionRefused() {
    for (int i = 1; i <= 9; ++i)
        QVERIFY(login("P" + QByteArray::number(i), i));
    clients.push_back(std::make_unique<RawClient>());
    RawClient* tenth = clients.back().get();
    tenth->connectTo(server->listeningPort()); // may already be closed again
    QVERIFY(tenth->waitClosed());
    QCOMPARE(tenth->take(), Messages{"CMD_full+"});
    QCOMPARE(server->slotcount, 9);
    for (int i = 0; i < 9; ++i)
        QVERIFY(clients[i]->isOpen());
    for (int i = 1; i <= 9; ++i)
        QVERIFY(server->players[i].connected);
}

void TestTServer::lowestFreeSlotIsReused() {
    for (int i = 1; i <= 4; ++i)
        QVERIFY(login("P" + QByteArray::number(i), i));
    clients[1]->close(); // seat 2 leaves
    clients[2]->close(); // and watcher 3
    QTRY_VERIFY(!server->players[2].connected && !server->players[3].connected);
    QVERIFY(connectClient(2));
    QVERIFY(connectClient(3));
    QVERIFY(connectClient(5));
    QCOMPARE(server->slotcount, 5);
}

void TestTServer::departureTellsOthersOnly() {
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    RawClient* c = login("Cy", 3);
    QVERIFY(a && b && c);
    c->close();
    QVERIFY(!a->waitForPrefix("CMD_playerdisconnected+3+Cy").isEmpty());
    QVERIFY(!b->waitForPrefix("CMD_playerdisconnected+3+Cy").isEmpty());
    settle();
    QVERIFY(a->take().isEmpty());
    QVERIFY(!server->players[3].connected);
    QVERIFY(server->players[3].name.isEmpty());
}

void TestTServer::chatRelayKeepsText() {
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    b->send("CMD_chat+2+hi|clBlue");
    b->send("CMD_chat+2+1+1=2 | a|b|$00FF8000");
    b->send("CMD_action+2+waves|clRed");
    QVERIFY(a->waitFor(3));
    QVERIFY(b->waitFor(3));
    const Messages expected{"CMD_chat+2+Bob chats: hi|clBlue",
                            "CMD_chat+2+Bob chats: 1+1=2 | a|b|$00FF8000",
                            "CMD_action+2+Bob waves|clRed"};
    QCOMPARE(a->take(), expected);
    QCOMPARE(b->take(), expected);
}

void TestTServer::playasoundRelay() {
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    b->send("CMD_playasound+2+wave13+");
    QVERIFY(a->waitFor(1));
    QCOMPARE(a->take(), Messages{"CMD_playasound+2+wave13+"});
}

void TestTServer::kick() {
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    RawClient* c = connectClient(3, "127.0.0.2");
    QVERIFY(c);
    c->send("CMD_logininfo+3+1.0.3+Cy");
    QVERIFY(!b->waitForPrefix("CMD_newplayerinfo+3+Cy").isEmpty());
    settle();
    c->take();
    b->send("CMD_kickhim+2+3+"); // only the hosting user may remove anyone
    settle();
    QVERIFY(c->isOpen());
    a->send("CMD_kickhim+1+3+");
    QVERIFY(c->waitClosed());
    QVERIFY(c->take().isEmpty()); // no message for the dropped client
    QVERIFY(!b->waitForPrefix("CMD_playerdisconnected+3+Cy").isEmpty());

    // Removed for the rest of the hosting: his address gets not a word, not a slot...
    clients.push_back(std::make_unique<RawClient>());
    RawClient* again = clients.back().get();
    if (again->connectTo(server->listeningPort(), 5000, "127.0.0.2")) QVERIFY(again->waitClosed());
    settle();
    QCOMPARE(again->take(), Messages{});
    QCOMPARE(server->removedAddresses(), 1);
    // ...while everybody else still comes in as before.
    QVERIFY(login("Dee", 3));
}

void TestTServer::spoofedSendersIgnored_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("chat as 1") << QByteArray("CMD_chat+1+I am the host|clRed");
    QTest::newRow("action as 1") << QByteArray("CMD_action+1+kicks|clRed");
    QTest::newRow("sound as 1") << QByteArray("CMD_playasound+1+wave1+");
    QTest::newRow("kick as 1") << QByteArray("CMD_kickhim+1+2+");
    QTest::newRow("login as 1") << QByteArray("CMD_logininfo+1+1.0.3+Mallory");
    QTest::newRow("watch seat 1") << QByteArray("CMD_justwatch+1+2");
}

void TestTServer::spoofedSendersIgnored() {
    QFETCH(QByteArray, message);
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    RawClient* c = login("Cy", 3);
    QVERIFY(a && b && c);
    c->send(message);
    settle();
    QVERIFY(a->take().isEmpty());
    QVERIFY(b->isOpen());
    QCOMPARE(server->players[1].name, QByteArray("Alice"));
}

void TestTServer::outOfRangeAndGarbage() {
    RawClient* a = login("Alice", 1);
    QVERIFY(a);
    for (const char* m :
         {"CMD_logininfo+0+1.0.3+X", "CMD_logininfo+10+1.0.3+X", "CMD_logininfo+99+1.0.3+X",
          "CMD_chat+0+hi|clRed", "CMD_chat+99+hi|clRed", "CMD_chat+x+hi|clRed", "CMD_kickhim+1+0+",
          "CMD_kickhim+1+99+", "CMD_kickhim+1+-3+", "CMD_justwatch+7+1", "CMD_justwatch+-1+2",
          "CMD_playasound+abc+wave1+", "CMD_logininfo", "", "CMD_nosuch+1+", "cmd_chat+1+hi|clRed"})
        a->send(m);
    settle();
    QVERIFY(a->take().isEmpty());
    QVERIFY(a->isOpen());
    // The queue goes on after all that.
    a->send("CMD_chat+1+still here|clBlack");
    QVERIFY(a->waitFor(1));
    QCOMPARE(a->take(), Messages{"CMD_chat+1+Alice chats: still here|clBlack"});
}

void TestTServer::floodIsCutOff() {
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    b->sendRaw(QByteArray(70 * 1024, 'x'));
    QVERIFY(b->waitClosed());
    QVERIFY(!a->waitForPrefix("CMD_playerdisconnected+2+Bob").isEmpty());
    a->send("CMD_chat+1+ok|clBlack");
    QVERIFY(!a->waitForPrefix("CMD_chat+1+Alice chats: ok").isEmpty());
}

// A login still queued when its connection closes must not take the slot
// for the closed connection, nor announce a player who has already gone.
void TestTServer::loginThenCloseLeavesNoGhost() {
    RawClient* a = login("Alice", 1);
    QVERIFY(a);
    // A slow tick makes sure every departure is seen before its login.
    server->socktimer.setInterval(300);
    for (int i = 0; i < 9; ++i) {
        RawClient* g = connectClient(2);
        QVERIFY(g);
        g->send("CMD_logininfo+2+1.0.3+Ghost" + QByteArray::number(i));
        QTRY_VERIFY(server->queued() == 1); // the login waits for its tick
        g->close();
        QTRY_VERIFY(!server->players[2].connected);
    }
    server->socktimer.setInterval(TServer::SocktimerMs);
    QTest::qWait(400);
    settle();
    QVERIFY2(a->take().isEmpty(), "a departed login was announced");
    for (int i = 2; i <= 9; ++i)
        QVERIFY(!server->players[i].connected);
    QVERIFY(login("Bob", 2));
}

// Complete messages as fast as a peer can send them: it is cut off once it
// holds its share of the queue, and the others are served at the usual pace.
void TestTServer::floodOfCompleteMessagesIsCutOff() {
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    RawClient* c = login("Cy", 3);
    QVERIFY(a && b && c);
    QByteArray burst;
    for (int i = 0; i < 20000; ++i)
        burst += "CMD_chat+3+" + QByteArray::number(i) + "|clRed\xff";
    c->sendRaw(burst);
    QVERIFY(c->waitClosed());
    QVERIFY(server->queued() <= std::size_t(TServer::MaxQueuedPerConnection));
    QTest::qWait(50);
    QVERIFY(server->queued() <= std::size_t(TServer::MaxQueuedPerConnection));
    // What the flooder left behind is gone with it: Bob is relayed at once.
    QElapsedTimer clock;
    clock.start();
    b->send("CMD_chat+2+still here|clBlack");
    QVERIFY(!a->waitForPrefix("CMD_chat+2+Bob chats: still here").isEmpty());
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!server->players[3].connected);
    QVERIFY(login("Dee", 3));
}

void TestTServer::justWatch() {
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    RawClient* c = login("Cy", 3);
    QVERIFY(a && b && c);
    // No game: watching is refused, playing again is always announced.
    b->send("CMD_justwatch+2+1");
    settle();
    QVERIFY(a->take().isEmpty());
    b->send("CMD_justwatch+2+2");
    QVERIFY(a->waitFor(1));
    QCOMPARE(a->take(), Messages{"CMD_justwatching+2+2"});
    // The hosting user may switch seat 2; a watcher may not.
    a->send("CMD_justwatch+2+2");
    QVERIFY(!c->waitForPrefix("CMD_justwatching+2+2").isEmpty());
    settle();
    c->take();
    c->send("CMD_justwatch+2+2");
    settle();
    QVERIFY(c->take().isEmpty());
}

void TestTServer::idleHostRunsNoTimer() {
    RawClient* a = login("Alice", 1);
    QVERIFY(a);
    settle();
    QVERIFY(!server->socktimer.isActive());
    a->send("CMD_chat+1+x|clBlack");
    QVERIFY(a->waitFor(1));
    QTRY_VERIFY(!server->socktimer.isActive());
}

void TestTServer::privateGameLetsInOnlyTheInvited() {
    qint64 clock = 1000000;
    server->gate.now = [&clock] { return clock; };
    server->gate.setCode("ABCDEFGHJK");
    RawClient* host = login("Host", 1); // the hosting user's own connection needs no code
    QVERIFY(host);

    // Until it shows the code, a connection waits in the highest free slot.
    auto refused = [this](const QList<QByteArray>& lines) -> bool {
        RawClient* c = connectClient(9);
        if (!c) return false;
        for (const QByteArray& l : lines)
            c->send(l);
        if (!c->waitClosed()) return false;
        settle();
        // Nothing of the game reached it: the refusal alone.
        const Messages got = c->take();
        if (got != Messages{"CMD_private+"}) qWarning() << got;
        return got == Messages{"CMD_private+"} && !server->players[9].connected;
    };
    // No code: the chat before the login is neither relayed nor shown to it.
    QVERIFY(refused({"CMD_chat+9+let me in|clBlack", "CMD_logininfo+9+1.0.3+Eve"}));
    // Five wrong codes within a minute are each refused with a word...
    for (const QByteArray code : {"abcdefghjk", "ABCDEFGHJ", "ABCDEFGHJKA", "", "ABCDEFGHJL"})
        QVERIFY(refused({"CMD_invite+9+" + code + "+", "CMD_logininfo+9+1.0.3+Eve"}));
    QCOMPARE(host->take(), Messages{});
    // ...past that the address is shut out for a minute, even with the right code.
    clock += 59000;
    clients.push_back(std::make_unique<RawClient>());
    RawClient* shut = clients.back().get();
    // Closed so soon that the connect may not even be reported.
    if (shut->connectTo(server->listeningPort())) QVERIFY(shut->waitClosed());
    settle();
    QCOMPARE(shut->take(), Messages{});

    // The code moves the invited down to the lowest free slot, where it is
    // asked again; what it sent for the slot it waited in is forgotten.
    clock += 2000;
    RawClient* friendly = connectClient(9);
    QVERIFY(friendly);
    friendly->send("CMD_invite+9+ABCDEFGHJK+");
    friendly->send("CMD_logininfo+9+1.0.3+Bob");
    QCOMPARE(friendly->waitForPrefix("CMD_sendlogininfo+"), QByteArray("CMD_sendlogininfo+2"));
    friendly->send("CMD_logininfo+2+1.0.3+Bob");
    QVERIFY(friendly->waitFor(2));
    settle();
    QCOMPARE(friendly->take(), (Messages{"CMD_newplayerinfo+2+Bob", "CMD_existingplayers+1+Host"}));
    QCOMPARE(host->take(), Messages{"CMD_newplayerinfo+2+Bob"});
}

void TestTServer::silentConnectionsLeaveNoMark() {
    server->loginDeadlineMs = 600;
    server->gate.setCode("ABCDEFGHJK");
    RawClient* host = login("Host", 1);
    QVERIFY(host);
    // A stranger opens connection after connection and says nothing: a few
    // wait high up, the rest are turned away at once.
    QElapsedTimer since;
    since.start();
    std::vector<RawClient*> silent;
    for (int slot = 9; slot > 9 - TServer::MaxUnseatedPerAddress; --slot) {
        silent.push_back(connectClient(slot, "127.0.0.2"));
        QVERIFY(silent.back());
    }
    for (int i = 0; i < 3; ++i) {
        clients.push_back(std::make_unique<RawClient>());
        RawClient* more = clients.back().get();
        if (more->connectTo(server->listeningPort(), 5000, "127.0.0.2"))
            QVERIFY(more->waitClosed(1000));
        QCOMPARE(more->take(), Messages{});
    }
    // The invited friend still takes seat 2 while they wait.
    RawClient* friendly = connectClient(9 - TServer::MaxUnseatedPerAddress);
    QVERIFY(friendly);
    friendly->send("CMD_invite+6+ABCDEFGHJK+");
    QCOMPARE(friendly->waitForPrefix("CMD_sendlogininfo+"), QByteArray("CMD_sendlogininfo+2"));
    friendly->send("CMD_logininfo+2+1.0.3+Bob");
    QVERIFY(!friendly->waitForPrefix("CMD_newplayerinfo+2+Bob").isEmpty());
    // Past the deadline every silent one is gone, and nobody heard of them.
    for (RawClient* c : silent)
        QVERIFY(c->waitClosed(3000));
    QVERIFY(since.elapsed() >= server->loginDeadlineMs);
    qInfo("silent connections kept a slot for %lld ms (deadline %d ms)", since.elapsed(),
          server->loginDeadlineMs);
    settle();
    QCOMPARE(host->take(), Messages{"CMD_newplayerinfo+2+Bob"});
    QVERIFY(friendly->isOpen());

    // An address shut out for wrong codes loses its waiting connections at once.
    RawClient* waiting = connectClient(9, "127.0.0.3");
    QVERIFY(waiting);
    for (int i = 0; i < InviteGate::MaxWrongPerMinute; ++i) {
        RawClient* guess = connectClient(8, "127.0.0.3");
        QVERIFY(guess);
        guess->send("CMD_invite+8+WRONGCODE" + QByteArray::number(i) + "+");
        QVERIFY(guess->waitClosed());
    }
    QVERIFY(waiting->waitClosed(300));
}

QTEST_GUILESS_MAIN(TestTServer)
#include "test_tserver.moc"
