// A hosting copy of the real program, seen from raw clients on port 7772:
// the greeting, the chat relay, capacity and departures.
#include <QProcess>
#include <QTcpServer>
#include <QTest>

#include <memory>
#include <vector>

#include "catalogue.h"
#include "raw_client.h"

using Messages = QList<QByteArray>;

class TestHosting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void greetingRelayCapacityDeparture();

private:
    QProcess program;
};

void TestHosting::initTestCase() {
    // These tests own the game's fixed ports for their run.
    QTcpServer probe;
    if (!probe.listen(QHostAddress::Any, wire::GamePort))
        QFAIL("port 7772 is in use by another program; close it and run again");
    probe.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(KELVOA_BINARY), {"Alice", "127.0.0.1", "true"});
    QVERIFY(program.waitForStarted(5000));
}

void TestHosting::cleanupTestCase() {
    program.kill();
    program.waitForFinished(5000);
}

void TestHosting::greetingRelayCapacityDeparture() {
    std::vector<std::unique_ptr<RawClient>> raw;
    auto join = [&](const QByteArray& name, int slot) -> RawClient* {
        raw.push_back(std::make_unique<RawClient>());
        RawClient* c = raw.back().get();
        if (!c->connectTo(wire::GamePort)) return nullptr;
        if (c->waitForPrefix("CMD_sendlogininfo+") != wire::sendlogininfo(slot)) return nullptr;
        c->send(wire::logininfo(slot, "1.0.3", QString::fromLatin1(name)));
        return c;
    };
    // Wait until the program listens and its own client has taken slot 1.
    QTRY_VERIFY_WITH_TIMEOUT(!QTcpServer().listen(QHostAddress::Any, wire::GamePort), 10000);
    QTest::qWait(500);
    RawClient* bob = join("Bob", 2);
    QVERIFY(bob);
    // The greeting: announced to all, then who is already here.
    QVERIFY(bob->waitFor(2));
    QCOMPARE(bob->take(), (Messages{"CMD_newplayerinfo+2+Bob", "CMD_existingplayers+1+Alice"}));

    RawClient* cy = join("Cy", 3);
    QVERIFY(cy);
    QVERIFY(cy->waitFor(3));
    QCOMPARE(cy->take(), (Messages{"CMD_newplayerinfo+3+Cy", "CMD_existingplayers+1+Alice",
                                   "CMD_existingplayers+2+Bob"}));
    QCOMPARE(bob->waitForPrefix("CMD_newplayerinfo"), QByteArray("CMD_newplayerinfo+3+Cy"));

    bob->send("CMD_chat+2+hi|clBlue");
    QCOMPARE(cy->waitForPrefix("CMD_chat"), QByteArray("CMD_chat+2+Bob chats: hi|clBlue"));
    QCOMPARE(bob->waitForPrefix("CMD_chat"), QByteArray("CMD_chat+2+Bob chats: hi|clBlue"));

    // Fill slots 4..9, then a tenth connection is refused.
    for (int slot = 4; slot <= 9; ++slot)
        QVERIFY(join("W" + QByteArray::number(slot), slot));
    raw.push_back(std::make_unique<RawClient>());
    RawClient* tenth = raw.back().get();
    tenth->connectTo(wire::GamePort);
    QVERIFY(tenth->waitClosed());
    QCOMPARE(tenth->take(), Messages{"CMD_full+"});

    cy->close();
    QCOMPARE(bob->waitForPrefix("CMD_playerdisconnected"),
             QByteArray("CMD_playerdisconnected+3+Cy"));
    QCOMPARE(program.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestHosting)
#include "test_hosting.moc"
