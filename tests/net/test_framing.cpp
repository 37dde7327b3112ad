// Framing, field reading, the code page and the catalogue's layouts.
#include <QTest>

#include "catalogue.h"
#include "codepage.h"
#include "framing.h"

using Messages = QList<QByteArray>;

class TestFraming : public QObject {
    Q_OBJECT
private slots:
    void framer_data();
    void framer();
    void framerKeepsPartialAcrossReads();
    void framerBoundsUnterminatedBytes();
    void fields();
    void numberFailureText_data();
    void numberFailureText();
    void splitCommand();
    void frameNeverEndsEarly();
    void codePageRoundTrip();
    void codePageUnknownCharacters();
    void layouts_data();
    void layouts();
};

void TestFraming::framer_data() {
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<Messages>("messages");
    QTest::addColumn<QByteArray>("pending");
    QTest::newRow("two in one read") << QList<QByteArray>{"CMD_a+1\xff"
                                                          "CMD_b+2\xff"}
                                     << Messages{"CMD_a+1", "CMD_b+2"} << QByteArray();
    QTest::newRow("one over two reads") << QList<QByteArray>{"CMD_chat+1+hel", "lo|clBlack\xff"}
                                        << Messages{"CMD_chat+1+hello|clBlack"} << QByteArray();
    QTest::newRow("empty messages")
        << QList<QByteArray>{"\xff\xff"} << Messages{"", ""} << QByteArray();
    QTest::newRow("bytes after the last terminator") << QList<QByteArray>{"CMD_x+\xff"
                                                                          "CMD_y"}
                                                     << Messages{"CMD_x+"} << QByteArray("CMD_y");
    QTest::newRow("terminator alone in a later read")
        << QList<QByteArray>{"CMD_z+9", "", "\xff"} << Messages{"CMD_z+9"} << QByteArray();
}

void TestFraming::framer() {
    QFETCH(QList<QByteArray>, reads);
    QFETCH(Messages, messages);
    QFETCH(QByteArray, pending);
    wire::Framer f;
    std::deque<QByteArray> out;
    for (const auto& r : reads)
        QVERIFY(f.feed(r, out));
    QCOMPARE(Messages(out.begin(), out.end()), messages);
    QCOMPARE(f.pending(), pending);
}

void TestFraming::framerKeepsPartialAcrossReads() {
    // A message is never handed over in part, however it is cut.
    const QByteArray stream = "CMD_one+1\xff"
                              "CMD_two+2+rest+with+plus\xff"
                              "CMD_three+\xff";
    for (int cut = 0; cut <= stream.size(); ++cut) {
        wire::Framer f;
        std::deque<QByteArray> out;
        f.feed(stream.left(cut), out);
        f.feed(stream.mid(cut), out);
        QCOMPARE(out.size(), std::size_t(3));
        QCOMPARE(out[1], QByteArray("CMD_two+2+rest+with+plus"));
    }
}

void TestFraming::framerBoundsUnterminatedBytes() {
    wire::Framer f;
    std::deque<QByteArray> out;
    QVERIFY(f.feed(QByteArray(wire::MaxPendingBytes, 'a'), out));
    QVERIFY(!f.feed("b", out));
    QVERIFY(f.pending().isEmpty());
    // A long message that does end in time is fine.
    wire::Framer g;
    QVERIFY(g.feed(QByteArray(wire::MaxPendingBytes - 1, 'c') + '\xff', out));
    QCOMPARE(out.back().size(), wire::MaxPendingBytes - 1);
}

void TestFraming::fields() {
    wire::TextFields f(QStringLiteral("2+Bob+with+plus"));
    QCOMPARE(f.number(), 2);
    QCOMPARE(f.rest(), QStringLiteral("Bob+with+plus"));
    QVERIFY(f.atEnd());

    // "CMD_sendlogininfo+3" carries no '+' after its number.
    wire::TextFields g(QStringLiteral("3"));
    QCOMPARE(g.number(), 3);

    wire::Fields b(QByteArray("1+0+1+"));
    int v = -1;
    QVERIFY(b.number(0, 1, v));
    QCOMPARE(v, 1);
    QVERIFY(b.number(0, 1, v));
    QCOMPARE(v, 0);
    QCOMPARE(b.next(), QByteArray("1"));
    QCOMPARE(b.next(), QByteArray());

    wire::Fields range(QByteArray("10+"));
    QVERIFY(!range.number(1, 9, v));
    QCOMPARE(v, 10);
}

void TestFraming::numberFailureText_data() {
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc+1"
                             << "'abc' is not a valid integer value";
    QTest::newRow("empty") << "+1"
                           << "'' is not a valid integer value";
    QTest::newRow("missing") << ""
                             << "'' is not a valid integer value";
    QTest::newRow("spaces") << " 1+"
                            << "' 1' is not a valid integer value";
    QTest::newRow("overflow") << "99999999999+"
                              << "'99999999999' is not a valid integer value";
}

void TestFraming::numberFailureText() {
    QFETCH(QString, args);
    QFETCH(QString, text);
    wire::TextFields f(args);
    try {
        f.number();
        QFAIL("a bad number must throw");
    } catch (const wire::FieldError& e) {
        QCOMPARE(e.text(), text);
    }
    wire::Fields b(wire::encode(args));
    QVERIFY_THROWS_EXCEPTION(wire::FieldError, b.number());
}

void TestFraming::splitCommand() {
    auto s = wire::splitCommand(QStringLiteral("CMD_full"));
    QVERIFY(s.command.isEmpty());
    s = wire::splitCommand(QStringLiteral("CMD_full+"));
    QCOMPARE(s.command, QStringLiteral("CMD_full"));
    QVERIFY(s.args.isEmpty());
    s = wire::splitCommand(QStringLiteral("CMD_chat+1+a+b"));
    QCOMPARE(s.args, QStringLiteral("1+a+b"));
}

void TestFraming::frameNeverEndsEarly() {
    // A typed 'ÿ' is byte 0xFF in the code page: it must not cut the message.
    const QByteArray framed = wire::frame(wire::chat(2, QStringLiteral("na\u00ffve"), "clBlue"));
    QCOMPARE(framed.count('\xff'), 1);
    QVERIFY(framed.endsWith('\xff'));
    QCOMPARE(framed, QByteArray("CMD_chat+2+nayve|clBlue\xff"));
}

void TestFraming::codePageRoundTrip() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(wire::encode(wire::decode(all)), all);
    QCOMPARE(wire::decode("\x80\xe9\x9f"), QStringLiteral("\u20ac\u00e9\u0178"));
    QCOMPARE(wire::decode("\x81").at(0).unicode(), char16_t(0x81));
}

void TestFraming::codePageUnknownCharacters() {
    QCOMPARE(wire::encode(QStringLiteral("a\u4e2db")), QByteArray("a?b"));
    QCOMPARE(wire::encode(QStringLiteral("x\U0001F600y")), QByteArray("x?y"));
    QCOMPARE(wire::encode(QStringLiteral("\u20ac5")), QByteArray("\x80"
                                                                 "5"));
}

void TestFraming::layouts_data() {
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("expected");
    const std::array<int, 4> d{1, 0, 1, 1};
    const wire::ChipAt chips[2] = {{1, 3, 8}, {2, 1, 16}};
    QTest::newRow("logininfo") << wire::logininfo(2, "1.0.3", "Bob+Jr")
                               << QByteArray("CMD_logininfo+2+1.0.3+Bob+Jr");
    QTest::newRow("startgame") << wire::startgame("You") << QByteArray("CMD_startgame+You+");
    QTest::newRow("rolldice") << wire::rolldice(1) << QByteArray("CMD_rolldice+1+");
    QTest::newRow("movepiece") << wire::movepiece(2, 7) << QByteArray("CMD_movepiece+2+7+");
    QTest::newRow("justwatch") << wire::justwatch(2, 1) << QByteArray("CMD_justwatch+2+1");
    QTest::newRow("kickhim") << wire::kickhim(1, 4) << QByteArray("CMD_kickhim+1+4+");
    QTest::newRow("botspeed") << wire::botspeed(1, 750) << QByteArray("CMD_botspeed+1+750+");
    QTest::newRow("chat") << wire::chat(2, "hi", "clBlue") << QByteArray("CMD_chat+2+hi|clBlue");
    QTest::newRow("action") << wire::action(3, "says: Thanks!", "$00FF0000")
                            << QByteArray("CMD_action+3+says: Thanks!|$00FF0000");
    QTest::newRow("playasound") << wire::playasound(1, 13)
                                << QByteArray("CMD_playasound+1+wave13+");
    QTest::newRow("give3") << wire::give3(1) << QByteArray("CMD_give3+1+");
    QTest::newRow("sendlogininfo") << wire::sendlogininfo(2) << QByteArray("CMD_sendlogininfo+2");
    QTest::newRow("full") << wire::full() << QByteArray("CMD_full+");
    QTest::newRow("newplayerinfo")
        << wire::newplayerinfo(3, "Ann") << QByteArray("CMD_newplayerinfo+3+Ann");
    QTest::newRow("existingplayers")
        << wire::existingplayers(1, "Al") << QByteArray("CMD_existingplayers+1+Al");
    QTest::newRow("wrongversion") << wire::wrongversion() << QByteArray("CMD_wrongversion+");
    QTest::newRow("havewrongversion")
        << wire::havewrongversion("Bo") << QByteArray("CMD_havewrongversion+Bo");
    QTest::newRow("gamestats") << wire::gamestats(3, 1, 'm', 3, d, chips, 2)
                               << QByteArray("CMD_gamestats+3+1+m+3+1+0+1+1+1+3+8+2+1+16");
    QTest::newRow("gamestats all at start") << wire::gamestats(2, 2, 'r', 0, d, nullptr, 0)
                                            << QByteArray("CMD_gamestats+2+2+r+0+1+0+1+1+*");
    QTest::newRow("playerdisconnected")
        << wire::playerdisconnected(2, "Bob") << QByteArray("CMD_playerdisconnected+2+Bob");
    QTest::newRow("chat relay") << wire::chatRelay("2", "Bob", "hi|clBlue")
                                << QByteArray("CMD_chat+2+Bob chats: hi|clBlue");
    QTest::newRow("action relay") << wire::actionRelay("2", "Bob", "waves|clRed")
                                  << QByteArray("CMD_action+2+Bob waves|clRed");
    QTest::newRow("playasound relay")
        << wire::playasoundRelay(2, "wave3+") << QByteArray("CMD_playasound+2+wave3+");
    QTest::newRow("startgame relay")
        << wire::startgameRelay("You") << QByteArray("CMD_startgame+You");
    QTest::newRow("nextplayer") << wire::nextplayer(2) << QByteArray("CMD_nextplayer+2+");
    QTest::newRow("hisroll") << wire::hisroll(1, d, 3) << QByteArray("CMD_hisroll+1+1+0+1+1+3+");
    QTest::newRow("unable") << wire::unable(2) << QByteArray("CMD_unable+2+");
    QTest::newRow("moveback") << wire::moveback(1, 2, 5) << QByteArray("CMD_moveback+1+2+5+");
    QTest::newRow("moveit") << wire::moveit(1, 2, 4, false, false, false, true)
                            << QByteArray("CMD_moveit+1+2+4+f+f+f+t+");
    QTest::newRow("error") << wire::error(2, 3) << QByteArray("CMD_error+2+3+");
    QTest::newRow("winner") << wire::winner(1) << QByteArray("CMD_winner+1+");
    QTest::newRow("justwatching") << wire::justwatching(2, 2) << QByteArray("CMD_justwatching+2+2");
}

void TestFraming::layouts() {
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, expected);
    QCOMPARE(built, expected);
}

QTEST_GUILESS_MAIN(TestFraming)
#include "test_framing.moc"
