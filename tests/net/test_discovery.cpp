// The datagrams of "games on this network": what counts as one query, and
// how an answer is written and read back.
#include <QTest>

#include "discovery.h"

using discovery::GameInfo;

class TestDiscovery : public QObject {
    Q_OBJECT
private slots:
    void queriesAndOthers_data();
    void queriesAndOthers();
    void answerLayout();
    void answerNeverExceedsItsRoom();
    void answersReadBack_data();
    void answersReadBack();
    void malformedAnswersRefused_data();
    void malformedAnswersRefused();
};

void TestDiscovery::queriesAndOthers_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("isQuery");
    QTest::addColumn<QByteArray>("version");
    QTest::newRow("ours") << discovery::query("1.0.3") << true << QByteArray("1.0.3");
    QTest::newRow("other version")
        << QByteArray("CMD_findgame+0.9\xff") << true << QByteArray("0.9");
    QTest::newRow("no version") << QByteArray("CMD_findgame+\xff") << true << QByteArray();
    QTest::newRow("no terminator") << QByteArray("CMD_findgame+1.0.3") << false << QByteArray();
    QTest::newRow("two messages") << QByteArray("CMD_findgame+1\xff"
                                                "CMD_findgame+2\xff")
                                  << false << QByteArray();
    QTest::newRow("terminator inside")
        << QByteArray("CMD_findgame+1\xffx\xff") << false << QByteArray();
    QTest::newRow("no plus") << QByteArray("CMD_findgame\xff") << false << QByteArray();
    QTest::newRow("case differs") << QByteArray("cmd_findgame+1.0.3\xff") << false << QByteArray();
    QTest::newRow("an answer") << QByteArray("CMD_gamehere+A+1+0+0+1.0.3\xff") << false
                               << QByteArray();
    QTest::newRow("a game command")
        << QByteArray("CMD_startgame+Alice+\xff") << false << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << QByteArray();
    QTest::newRow("only terminator") << QByteArray("\xff") << false << QByteArray();
    QByteArray longest = "CMD_findgame+" + QByteArray(512 - 14, 'v') + '\xff';
    QTest::newRow("512 bytes") << longest << true << QByteArray(512 - 14, 'v');
    QTest::newRow("513 bytes") << QByteArray("CMD_findgame+" + QByteArray(513 - 14, 'v') + '\xff')
                               << false << QByteArray();
}

void TestDiscovery::queriesAndOthers() {
    QFETCH(QByteArray, datagram);
    QFETCH(bool, isQuery);
    QFETCH(QByteArray, version);
    const auto read = discovery::readQuery(datagram);
    QCOMPARE(read.has_value(), isQuery);
    if (isQuery) QCOMPARE(*read, version);
}

void TestDiscovery::answerLayout() {
    QCOMPARE(discovery::query("1.0.3"), QByteArray("CMD_findgame+1.0.3\xff"));
    const GameInfo alice{"Alice", 1, 0, false, "1.0.3"};
    QCOMPARE(discovery::answer(alice, 512), QByteArray("CMD_gamehere+Alice+1+0+0+1.0.3\xff"));
    // Counts stay within what an answer may say.
    const GameInfo wild{"B", 5, 12, true, "1.0.3"};
    QCOMPARE(discovery::answer(wild, 512), QByteArray("CMD_gamehere+B+2+7+1+1.0.3\xff"));
    const GameInfo negative{"C", -1, -4, false, "1.0.3"};
    QCOMPARE(discovery::answer(negative, 512), QByteArray("CMD_gamehere+C+0+0+0+1.0.3\xff"));
}

void TestDiscovery::answerNeverExceedsItsRoom() {
    const GameInfo longName{QByteArray(300, 'n'), 2, 3, true, "1.0.3"};
    for (qsizetype room : {26, 27, 40, 112, 152, 4096}) {
        const QByteArray a = discovery::answer(longName, room);
        QVERIFY2(a.size() <= room, QByteArray::number(room));
        const auto back = discovery::readAnswer(a);
        QVERIFY(back);
        QVERIFY(longName.name.startsWith(back->name));
        QCOMPARE(back->spys, 3);
    }
    // Too little room for even an empty name: no answer at all.
    QVERIFY(discovery::answer(longName, 25).isEmpty());
    QVERIFY(discovery::answer(longName, 0).isEmpty());
}

void TestDiscovery::answersReadBack_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("plain") << QByteArray("Alice");
    QTest::newRow("plus signs") << QByteArray("a+1+2+0+b");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("code page") << QByteArray("Zo\xeb \x80");
    QTest::newRow("markup") << QByteArray("<b>Bold</b>");
}

void TestDiscovery::answersReadBack() {
    QFETCH(QByteArray, name);
    const GameInfo g{name, 2, 7, true, "1.0.3"};
    const auto back = discovery::readAnswer(discovery::answer(g, 512));
    QVERIFY(back);
    QCOMPARE(*back, g);
}

void TestDiscovery::malformedAnswersRefused_data() {
    QTest::addColumn<QByteArray>("datagram");
    QTest::newRow("no terminator") << QByteArray("CMD_gamehere+A+1+0+0+1.0.3");
    QTest::newRow("field missing") << QByteArray("CMD_gamehere+1+0+0+1.0.3\xff");
    QTest::newRow("three players") << QByteArray("CMD_gamehere+A+3+0+0+1.0.3\xff");
    QTest::newRow("eight spys") << QByteArray("CMD_gamehere+A+1+8+0+1.0.3\xff");
    QTest::newRow("running is 2") << QByteArray("CMD_gamehere+A+1+0+2+1.0.3\xff");
    QTest::newRow("sign") << QByteArray("CMD_gamehere+A+-1+0+0+1.0.3\xff");
    QTest::newRow("letters") << QByteArray("CMD_gamehere+A+x+0+0+1.0.3\xff");
    QTest::newRow("a query") << discovery::query("1.0.3");
    QTest::newRow("oversized") << QByteArray("CMD_gamehere+" + QByteArray(600, 'A') +
                                             "+1+0+0+1.0.3\xff");
}

void TestDiscovery::malformedAnswersRefused() {
    QFETCH(QByteArray, datagram);
    QVERIFY(!discovery::readAnswer(datagram));
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "test_discovery.moc"
