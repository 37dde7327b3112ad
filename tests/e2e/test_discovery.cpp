// Games on this network, asked of the real program on its fixed UDP port
// 7772 while it hosts on TCP 7772: the answer, what it ignores, and that a
// flood changes nothing for the players.
#include <QNetworkDatagram>
#include <QProcess>
#include <QTcpServer>
#include <QTest>
#include <QUdpSocket>

#include "catalogue.h"
#include "discovery.h"
#include "port_watch.h"
#include "raw_client.h"
#include "udp_asker.h"

namespace {

using Asker = UdpAsker;
} // namespace

class TestDiscoveryE2E : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hostingCopyAnswersOnPort7772();
    void soloCopyAnswersToo();
    void joiningCopyDoesNotAnswer();

private:
    void launch(const QStringList& args);
    QProcess program;
};

void TestDiscoveryE2E::init() {
    // These tests own the game's fixed ports for their run.
    if (listeningOn(wire::GamePort))
        QFAIL("port 7772 is in use by another program; close it and run again");
    QUdpSocket udp;
    if (!udp.bind(QHostAddress::AnyIPv4, discovery::Port))
        QFAIL("UDP port 7772 is in use by another program; close it and run again");
    udp.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

void TestDiscoveryE2E::cleanup() {
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished(5000);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!listeningOn(wire::GamePort), 10000);
}

void TestDiscoveryE2E::launch(const QStringList& args) {
    program.start(QStringLiteral(KELVOA_BINARY), args);
    QVERIFY(program.waitForStarted(5000));
}

void TestDiscoveryE2E::hostingCopyAnswersOnPort7772() {
    launch({"Alice", "127.0.0.1", "true"});
    Asker asker;
    // Its own client logs in as Alice shortly after the host listens.
    QByteArray answer;
    QTRY_VERIFY_WITH_TIMEOUT((answer = asker.ask()) == "CMD_gamehere+Alice+1+0+0+1.0.3\xff", 10000);

    // Garbage, oversized, other commands: nothing comes back.
    for (const QByteArray& d :
         {QByteArray("garbage"), QByteArray("CMD_findgame+1.0.3"),
          QByteArray("CMD_findgame+" + QByteArray(600, '1') + '\xff'),
          QByteArray("CMD_startgame+Alice+\xff"), QByteArray("CMD_kickhim+1+1+\xff")})
        asker.send(d);
    QCOMPARE(asker.collect(500), QList<QByteArray>());

    // A flood: at most the cap comes back, each answer no longer than 8x its query.
    QTest::qWait(1100); // a fresh second for the cap
    const QByteArray q = discovery::query("1.0.3");
    for (int i = 0; i < 300; ++i)
        asker.send(q);
    const QList<QByteArray> answers = asker.collect(700);
    QVERIFY(answers.size() >= 1);
    QVERIFY2(answers.size() <= discovery::MaxAnswersPerSecond,
             qPrintable(QString::number(answers.size())));
    for (const QByteArray& a : answers)
        QVERIFY(a.size() <= q.size() * discovery::AnswerSizeFactor);

    // The game goes on: a player joins over TCP and chats with the host.
    RawClient bob;
    QVERIFY(bob.connectTo(wire::GamePort));
    QCOMPARE(bob.waitForPrefix("CMD_sendlogininfo"), QByteArray("CMD_sendlogininfo+2"));
    bob.send(wire::logininfo(2, "1.0.3", "Bob"));
    QCOMPARE(bob.waitForPrefix("CMD_existingplayers"), QByteArray("CMD_existingplayers+1+Alice"));
    bob.send("CMD_chat+2+hello|clBlue");
    QCOMPARE(bob.waitForPrefix("CMD_chat"), QByteArray("CMD_chat+2+Bob chats: hello|clBlue"));
    QTest::qWait(1100);
    QCOMPARE(asker.ask(), QByteArray("CMD_gamehere+Alice+2+0+0+1.0.3\xff"));
    QCOMPARE(program.state(), QProcess::Running);
}

void TestDiscoveryE2E::soloCopyAnswersToo() {
    launch({});
    Asker asker;
    QByteArray answer;
    QTRY_VERIFY_WITH_TIMEOUT((answer = asker.ask()) == "CMD_gamehere+You+1+0+0+1.0.3\xff", 10000);
}

void TestDiscoveryE2E::joiningCopyDoesNotAnswer() {
    QTcpServer host; // stands in for a host, so the copy has someone to join
    QVERIFY(host.listen(QHostAddress::LocalHost, wire::GamePort));
    launch({"Bob", "127.0.0.1", "join"});
    QTRY_VERIFY_WITH_TIMEOUT(host.hasPendingConnections(), 10000);
    Asker asker;
    asker.send(discovery::query("1.0.3"));
    QCOMPARE(asker.collect(500), QList<QByteArray>());
    // Nothing of ours holds the discovery port.
    QUdpSocket udp;
    QVERIFY(udp.bind(QHostAddress::AnyIPv4, discovery::Port));
}

QTEST_GUILESS_MAIN(TestDiscoveryE2E)
#include "test_discovery.moc"
