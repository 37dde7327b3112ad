// Colour text, transcript lines, the hyperlink rule, smileys and what the
// input side sends.
#include <QTest>

#include "chat_input.h"
#include "colortext.h"
#include "transcript_line.h"

using namespace chat;
Q_DECLARE_METATYPE(chat::Outgoing)

class TestChatCore : public QObject {
    Q_OBJECT
private slots:
    void readColor_data();
    void readColor();
    void writeColor_data();
    void writeColor();
    void lines_data();
    void lines();
    void links_data();
    void links();
    void smileys_data();
    void smileys();
    void received_data();
    void received();
    void typed_data();
    void typed();
    void chatter();
};

void TestChatCore::readColor_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<quint32>("value");
    QTest::newRow("name") << "clLime" << true << rgb(0, 255, 0);
    QTest::newRow("any case") << "clblack" << true << rgb(0, 0, 0);
    QTest::newRow("upper") << "CLMAROON" << true << rgb(128, 0, 0);
    QTest::newRow("hex bgr") << "$00FF8000" << true << rgb(0, 128, 255);
    QTest::newRow("decimal") << "255" << true << rgb(255, 0, 0);
    QTest::newRow("system") << "clWindowText" << true << systemColor(SystemColor::WindowText);
    QTest::newRow("system decimal")
        << "-2147483640" << true << systemColor(SystemColor::WindowText);
    QTest::newRow("none") << "clNone" << true << ColorNone;
    QTest::newRow("empty") << "" << false << 0u;
    QTest::newRow("unknown name") << "clPink" << false << 0u;
    QTest::newRow("stray high byte") << "$12000000" << false << 0u;
    QTest::newRow("too many digits") << "$000000000" << false << 0u;
    QTest::newRow("bad hex") << "$00GG0000" << false << 0u;
    // Bytes above 0x7F (negative as char) and look-alike digits are no hex.
    QTest::newRow("high byte digit") << QString::fromLatin1("$00FF00\xe9") << false << 0u;
    QTest::newRow("full-width digit") << QString::fromUtf8("$0000FF\xef\xbc\x90") << false << 0u;
    QTest::newRow("blank") << " 12" << false << 0u;
    QTest::newRow("cut bar rest") << "b|clBlue" << false << 0u;
}

void TestChatCore::readColor() {
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(quint32, value);
    const auto got = readColorText(text);
    QCOMPARE(got.has_value(), readable);
    if (readable) QCOMPARE(*got, value);
    QCOMPARE(readColorTextOrRed(text), readable ? value : ColorRed);
}

void TestChatCore::writeColor_data() {
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("black") << rgb(0, 0, 0) << "clBlack";
    QTest::newRow("fuchsia") << rgb(255, 0, 255) << "clFuchsia";
    QTest::newRow("other") << rgb(1, 2, 3) << "$00030201";
    QTest::newRow("hex letters") << rgb(0xAB, 0xCD, 0xEF) << "$00EFCDAB";
}

void TestChatCore::writeColor() {
    QFETCH(quint32, value);
    QFETCH(QString, text);
    QCOMPARE(writeColorText(value), text);
    QCOMPARE(readColorText(text), std::optional<ColorValue>(value));
}

void TestChatCore::lines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("system") << "0+You are Connected." << true << 0 << ""
                            << QStringList{"You ", "are ", "Connected. "};
    QTest::newRow("seat 3 chat") << "3+Bob chats: hi" << true << 8
                                 << "Bob chats:" << QStringList{" ", "hi "};
    QTest::newRow("markup stays text")
        << "1+A chats: <b>x</b>" << true << 6 << "A chats:" << QStringList{" ", "<b>x</b> "};
    QTest::newRow("two blanks") << "2+a:x  y" << true << 7 << "a:" << QStringList{"x ", " ", "y "};
    QTest::newRow("second colon in body")
        << "9+n: a:b" << true << 14 << "n:" << QStringList{" ", "a:b "};
    QTest::newRow("seat no number") << "x+hi" << false << 0 << "" << QStringList{};
    QTest::newRow("seat out of range") << "10+hi" << false << 0 << "" << QStringList{};
    QTest::newRow("no plus") << "hello" << false << 0 << "" << QStringList{};
}

void TestChatCore::lines() {
    QFETCH(QString, line);
    QFETCH(bool, shown);
    const auto t = parseLine(line);
    QCOMPARE(t.has_value(), shown);
    if (!shown) return;
    QFETCH(int, style);
    QFETCH(QString, prefix);
    QFETCH(QStringList, words);
    QCOMPARE(t->style, style);
    QCOMPARE(t->prefix, prefix);
    QStringList got;
    for (const Piece& p : t->body)
        got.append(p.text);
    QCOMPARE(got, words);
}

void TestChatCore::links_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("opens"); // empty: no link
    QTest::newRow("www") << "www.example.com "
                         << "http://www.example.com";
    QTest::newRow("http caps") << "HTTP://Example.com/a "
                               << "HTTP://Example.com/a";
    QTest::newRow("https") << "https://example.com "
                           << "https://example.com";
    QTest::newRow("ftp") << "ftp://example.com "
                         << "";
    QTest::newRow("javascript") << "javascript:alert('http://x.com') "
                                << "";
    QTest::newRow("javascript www") << "javascript://www.x.com/%0aalert(1) "
                                    << "";
    QTest::newRow("file") << "file:///etc/passwd "
                          << "";
    QTest::newRow("http no host") << "http:// "
                                  << "";
    QTest::newRow("inside word") << "see:http://x.com "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blank") << " "
                           << "";
}

void TestChatCore::links() {
    QFETCH(QString, word);
    QFETCH(QString, opens);
    QCOMPARE(islink(word), !opens.isEmpty());
    if (!opens.isEmpty()) QCOMPARE(linkAddress(word).toString(), QUrl(opens).toString());
}

void TestChatCore::smileys_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QList<Piece>>("pieces");
    const auto w = [](const char* t) { return Piece{Piece::Word, QString::fromLatin1(t), 0}; };
    const auto s = [](int n) { return Piece{Piece::Smiley, QString(), n}; };
    QTest::newRow("between words") << "hi:)#12there" << QList<Piece>{w("hi "), s(2), w("there ")};
    QTest::newRow("at end") << "hi :)#27" << QList<Piece>{w("hi "), w(" "), s(17)};
    QTest::newRow("at start") << ":)#10x" << QList<Piece>{w(" "), s(0), w("x ")};
    QTest::newRow("too big") << ":)#99" << QList<Piece>{w(" "), s(0)};
    QTest::newRow("letters") << ":)#ab" << QList<Piece>{w(" "), s(0)};
    QTest::newRow("one digit left") << ":)#2" << QList<Piece>{w(" "), s(0)};
    QTest::newRow("two in a row") << "a:)#11:)#13" << QList<Piece>{w("a "), s(1), w(" "), s(3)};
    QTest::newRow("link beside") << "www.a.com:)#11"
                                 << QList<Piece>{{Piece::Link, "www.a.com ", 0}, s(1)};
}

void TestChatCore::smileys() {
    QFETCH(QString, body);
    QFETCH(QList<Piece>, pieces);
    QCOMPARE(splitBody(body), pieces);
    QCOMPARE(smileyCode(5), QStringLiteral(":)#15"));
}

void TestChatCore::received_data() {
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QString>("line");
    QTest::addColumn<quint32>("color");
    QTest::newRow("colour") << "3+Bob chats: hi|clLime"
                            << "3+Bob chats: hi" << rgb(0, 255, 0);
    QTest::newRow("no bar") << "3+Bob chats: hi"
                            << "3+Bob chats: hi" << ColorRed;
    QTest::newRow("bar in text") << "3+B chats: a|b|clBlue"
                                 << "3+B chats: a" << ColorRed;
    QTest::newRow("bad colour") << "3+B chats: a|zz"
                                << "3+B chats: a" << ColorRed;
}

void TestChatCore::received() {
    QFETCH(QString, rest);
    QFETCH(QString, line);
    QFETCH(quint32, color);
    const ReceivedChat r = splitReceived(rest);
    QCOMPARE(r.line, line);
    QCOMPARE(r.hasColour ? readColorTextOrRed(r.colour) : ColorRed, color);
}

void TestChatCore::typed_data() {
    QTest::addColumn<bool>("phrase");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Outgoing>("sent");
    QTest::newRow("plain") << false << "hello all" << Outgoing{Outgoing::Chat, "hello all"};
    QTest::newRow("/me") << false << "/me waves" << Outgoing{Outgoing::Action, "waves"};
    QTest::newRow("/me glued") << false << "/mewaves" << Outgoing{Outgoing::Action, "aves"};
    QTest::newRow("/help") << false << "/help" << Outgoing{};
    QTest::newRow("/quit") << false << "/quit" << Outgoing{};
    QTest::newRow("empty") << false << "" << Outgoing{};
    QTest::newRow("blanks") << false << "   \t " << Outgoing{};
    QTest::newRow("/me blanks") << false << "/me   " << Outgoing{};
    QTest::newRow("blanks around") << false << " hi " << Outgoing{Outgoing::Chat, " hi "};
    QTest::newRow("phrase") << true << "Nice Try!" << Outgoing{Outgoing::Action, "says: Nice Try!"};
    QTest::newRow("phrase /me") << true << "/me cheers" << Outgoing{Outgoing::Action, "cheers"};
    QTest::newRow("phrase /me glued")
        << true << "/mecheers" << Outgoing{Outgoing::Action, "says: /mecheers"};
}

void TestChatCore::typed() {
    QFETCH(bool, phrase);
    QFETCH(QString, input);
    QFETCH(Outgoing, sent);
    QCOMPARE(phrase ? phraseLine(input) : typedLine(input), sent);
}

void TestChatCore::chatter() {
    QCOMPARE(chatterCaptions().size(), ChatterCount + 1);
    QCOMPARE(chatterCaption("wave13"), QStringLiteral("Applause"));
    QCOMPARE(chatterCaption("WAVE20"), QStringLiteral("Crying"));
    QCOMPARE(chatterCaption("wave5"), QStringLiteral("Where have you been?"));
    for (const char* bad : {"wave0", "wave21", "wave013", "wave", "wave+1", "beep1", ""})
        QVERIFY2(chatterCaption(bad).isEmpty(), bad);
}

QTEST_GUILESS_MAIN(TestChatCore)
#include "test_chat_core.moc"
