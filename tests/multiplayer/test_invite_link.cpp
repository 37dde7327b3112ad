// Invite links and typed addresses are outside bytes: every row is a text a
// friend could send or a player could type, and what the program makes of it;
// and the line "Copy Invite" makes, which a friend's copy must read.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "host_join_dialogs.h"
#include "invite_link.h"

class TestInviteLink : public QObject {
    Q_OBJECT
private slots:
    void links_data();
    void links();
    void madeCodesAreValid();
    void copyInvite_data();
    void copyInvite();
};

void TestInviteLink::links_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("host"); // empty: refused
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("problemWord"); // a word of the one-line refusal
    const QString code = QStringLiteral("ABCDEFGHJK");
    QTest::newRow("IPv4") << "kelvoa://203.0.114.1"
                          << "203.0.114.1" << 7772 << ""
                          << "";
    QTest::newRow("name, port, code")
        << "kelvoa://game.example:7000/" + code << "game.example" << 7000 << code << "";
    QTest::newRow("scheme in capitals, code in small letters") << "KELVOA://host/abcdefghjk"
                                                               << "host" << 7772 << code << "";
    QTest::newRow("bracketed IPv6 with port")
        << "kelvoa://[2001:db8::5]:7773/" + code << "2001:db8::5" << 7773 << code << "";
    QTest::newRow("trailing slash, no code") << "kelvoa://host/"
                                             << "host" << 7772 << ""
                                             << "";
    QTest::newRow("another scheme") << "https://host/"
                                    << "" << 0 << ""
                                    << "kelvoa://";
    QTest::newRow("no host") << "kelvoa://"
                             << "" << 0 << ""
                             << "host";
    QTest::newRow("bare IPv6") << "kelvoa://2001:db8::5"
                               << "" << 0 << ""
                               << "address";
    QTest::newRow("user part") << "kelvoa://eve@host"
                               << "" << 0 << ""
                               << "address";
    QTest::newRow("port 0") << "kelvoa://host:0"
                            << "" << 0 << ""
                            << "port";
    QTest::newRow("port too big") << "kelvoa://host:65536"
                                  << "" << 0 << ""
                                  << "port";
    QTest::newRow("port not a number") << "kelvoa://host:7e3"
                                       << "" << 0 << ""
                                       << "port";
    QTest::newRow("extra part") << "kelvoa://host/" + code + "/more"
                                << "" << 0 << ""
                                << "parts";
    QTest::newRow("query") << "kelvoa://host/" + code + "?x=1"
                           << "" << 0 << ""
                           << "parts";
    QTest::newRow("look-alike letter") << "kelvoa://host/ABCDEFGHJ0"
                                       << "" << 0 << ""
                                       << "code";
    QTest::newRow("short code") << "kelvoa://host/ABC"
                                << "" << 0 << ""
                                << "code";
    QTest::newRow("line break in the echoed code") << "kelvoa://host/AB\nCDEFGH"
                                                   << "" << 0 << ""
                                                   << "code";
    QTest::newRow("blanks inside brackets") << "kelvoa://[\n::1 ]"
                                            << "" << 0 << ""
                                            << "address";
    QTest::newRow("over 300 bytes") << "kelvoa://" + QString(292, QLatin1Char('a')) << "" << 0 << ""
                                    << "long";
    QTest::newRow("300 bytes exactly, name too long")
        << "kelvoa://" + QString(291, QLatin1Char('a')) << "" << 0 << ""
        << "address";
}

void TestInviteLink::links() {
    QFETCH(QString, text);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, code);
    QFETCH(QString, problemWord);
    QString problem;
    const auto link = invite::readLink(text, &problem);
    QCOMPARE(link.has_value(), !host.isEmpty());
    QVERIFY(invite::looksLikeLink(text));
    if (!link) {
        QVERIFY2(problem.contains(problemWord), qPrintable(problem));
        QVERIFY(!problem.contains(QLatin1Char('\n')));
        QVERIFY(problem.size() < 250);
        return;
    }
    QCOMPARE(link->address.host, host);
    QCOMPARE(int(link->address.port), port);
    QCOMPARE(link->code, code);
    // What is written reads back as the same link, and as the same address.
    const auto again = invite::readLink(invite::linkText(*link));
    QVERIFY(again);
    QCOMPARE(again->address.host, host);
    QCOMPARE(int(again->address.port), port);
    QCOMPARE(again->code, code);
    const auto typed = invite::readAddress(invite::addressText(link->address));
    QVERIFY(typed);
    QCOMPARE(typed->host, host);
    QCOMPARE(int(typed->port), port);
}

void TestInviteLink::madeCodesAreValid() {
    QSet<QString> seen;
    for (int i = 0; i < 200; ++i) {
        const QString c = invite::makeCode();
        QVERIFY2(invite::validCode(c), qPrintable(c));
        seen.insert(c);
    }
    QCOMPARE(seen.size(), 200);
    QCOMPARE(invite::inviteLine({{QStringLiteral("2001:db8::5"), 7772, false}, {}}),
             QStringLiteral("Join my Kelvoa game: kelvoa://[2001:db8::5]"));
}

void TestInviteLink::copyInvite_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("hosting");
    QTest::addColumn<bool>("privately");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("line"); // empty: nothing copied
    const QString code = QStringLiteral("K7MPX3RQ9A");
    QTest::newRow("public, before hosting")
        << "203.0.114.1" << false << false << 7772 << "Join my Kelvoa game: kelvoa://203.0.114.1";
    QTest::newRow("private, hosting") << "203.0.114.1" << true << true << 7772
                                      << "Join my Kelvoa game: kelvoa://203.0.114.1/" + code;
    QTest::newRow("private box, game hosted public")
        << "203.0.114.1" << true << false << 7772 << "Join my Kelvoa game: kelvoa://203.0.114.1";
    QTest::newRow("private, not hosted yet") << "203.0.114.1" << false << true << 7772 << "";
    QTest::newRow("IPv6, other port") << "2001:db8::5" << true << true << 7773
                                      << "Join my Kelvoa game: kelvoa://[2001:db8::5]:7773/" + code;
}

void TestInviteLink::copyInvite() {
    QFETCH(QString, address);
    QFETCH(bool, hosting);
    QFETCH(bool, privately);
    QFETCH(int, port);
    QFETCH(QString, line);
    HostGameDialog d(QStringLiteral("Alice"), {QHostAddress(address)});
    d.hostingHere = hosting;
    d.inviteCode = hosting && privately ? QStringLiteral("K7MPX3RQ9A") : QString();
    d.privateBox->setChecked(privately);
    d.gamePort = quint16(port);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::mouseClick(d.copyInviteButton, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             line.isEmpty() ? QStringLiteral("before") : line);
    QCOMPARE(d.statusLabel->text().isEmpty(), !line.isEmpty());
    // What was copied is a link this program reads back.
    if (!line.isEmpty()) QVERIFY(invite::readLink(line.section(QLatin1Char(' '), -1)));
}

QTEST_MAIN(TestInviteLink)
#include "test_invite_link.moc"
