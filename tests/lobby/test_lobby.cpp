// The lobby without a server: the game element's reader and writer, the
// room fed stanzas as the server would send them (strangers' input), and the
// window under a flood of presences.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "element.h"
#include "game_element.h"
#include "lobby_hub.h"
#include "lobby_room.h"
#include "tlobby.h"

using namespace lobby;

namespace {
const QString Room = QStringLiteral("lobby@conference.example.org");

QByteArray gameXml(const QString& attrs, const QString& children = QString()) {
    return QStringLiteral("<game xmlns='urn:kelvoa:lobby:1' %1>%2</game>")
        .arg(attrs, children)
        .toUtf8();
}
const QString Good = QStringLiteral("jid='ann@example.org/kelvoa' name='Ann' players='1' spys='3' "
                                    "running='0' private='1' version='1.0.3'");

QByteArray presence(const QString& nick, const QByteArray& inner = {}, const QString& type = {}) {
    QByteArray p =
        "<presence xmlns='jabber:client' from='" + Room.toUtf8() + "/" + nick.toUtf8() + "'";
    if (!type.isEmpty()) p += " type='" + type.toUtf8() + "'";
    return p + ">" + inner + "</presence>";
}
} // namespace

class TestLobby : public QObject {
    Q_OBJECT
private slots:
    void readsGameElement_data();
    void readsGameElement();
    void writtenElementReadsBack();
    void roomKeepsPeopleAndGames();
    void roomRenamesOnConflictAndRefuses();
    void roomShowsOnlyInvitesPrivately();
    void roomBoundsPeopleAndGames();
    void floodLeavesWindowResponsive();
};

void TestLobby::readsGameElement_data() {
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("addresses");
    const QString v4 = QStringLiteral("<address>192.0.2.7:7772</address>");
    const QString v6 = QStringLiteral("<address>[2001:db8::5]:7772</address>");
    QTest::newRow("good") << gameXml(Good, v4 + v6) << true << 2;
    QTest::newRow("good, no address") << gameXml(Good) << true << 0;
    QTest::newRow("unknown attribute and child left alone")
        << gameXml(Good + " colour='red'", "<later/>" + v4) << true << 1;
    QTest::newRow("duplicate address kept once") << gameXml(Good, v4 + v4) << true << 1;
    for (const char* key : {"jid", "name", "players", "spys", "running", "private", "version"}) {
        QString attrs = Good;
        attrs.remove(QRegularExpression(QStringLiteral("%1='[^']*' ?").arg(key)));
        QTest::newRow(qPrintable(QStringLiteral("missing %1").arg(key)))
            << gameXml(attrs) << false << 0;
    }
    QString s = Good;
    QTest::newRow("oversized name")
        << gameXml(s.replace("'Ann'", "'" + QString(33, 'A') + "'")) << false << 0;
    s = Good;
    QTest::newRow("oversized version")
        << gameXml(s.replace("'1.0.3'", "'" + QString(17, '1') + "'")) << false << 0;
    s = Good;
    QTest::newRow("oversized jid")
        << gameXml(s.replace("ann@", QString(300, 'a') + "@")) << false << 0;
    s = Good;
    QTest::newRow("three players")
        << gameXml(s.replace("players='1'", "players='3'")) << false << 0;
    s = Good;
    QTest::newRow("eight spys") << gameXml(s.replace("spys='3'", "spys='8'")) << false << 0;
    s = Good;
    QTest::newRow("signed number") << gameXml(s.replace("spys='3'", "spys='+3'")) << false << 0;
    s = Good;
    QTest::newRow("running two") << gameXml(s.replace("running='0'", "running='2'")) << false << 0;
    s = Good;
    QTest::newRow("bare jid") << gameXml(s.replace("/kelvoa", "")) << false << 0;
    s = Good;
    QTest::newRow("name with a line break")
        << gameXml(s.replace("'Ann'", "'A&#10;nn'")) << false << 0;
    QTest::newRow("blank name") << gameXml(QString(Good).replace("'Ann'", "'  '")) << false << 0;
    QTest::newRow("bad address") << gameXml(Good, "<address>not an address</address>") << false
                                 << 0;
    QTest::newRow("port zero") << gameXml(Good, "<address>192.0.2.7:0</address>") << false << 0;
    QTest::newRow("unbracketed IPv6")
        << gameXml(Good, "<address>2001:db8::5:7772</address>") << false << 0;
    QTest::newRow("oversized address")
        << gameXml(Good, "<address>" + QString(60, 'a') + ".org:7772</address>") << false << 0;
    QString many;
    for (int i = 1; i <= MaxAddresses + 1; ++i)
        many += QStringLiteral("<address>192.0.2.%1:7772</address>").arg(i);
    QTest::newRow("too many addresses") << gameXml(Good, many) << false << 0;
    QTest::newRow("other namespace")
        << QStringLiteral("<game xmlns='urn:other' %1/>").arg(Good).toUtf8() << false << 0;
    // Not well formed: nothing at all is read.
    QTest::newRow("duplicated attribute") << gameXml(Good + " name='Bob'") << false << 0;
    QTest::newRow("entity declared")
        << QByteArray("<!DOCTYPE game [<!ENTITY e 'x'>]>") + gameXml(Good) << false << 0;
}

void TestLobby::readsGameElement() {
    QFETCH(QByteArray, xml);
    QFETCH(bool, read);
    QFETCH(int, addresses);
    const auto e = parseElement(xml);
    const auto g = e ? readGame(*e) : std::nullopt;
    QCOMPARE(bool(g), read);
    if (!g) return;
    QCOMPARE(g->name, QStringLiteral("Ann"));
    QCOMPARE(g->players, 1);
    QCOMPARE(g->spys, 3);
    QVERIFY(g->isPrivate && !g->running);
    QCOMPARE(int(g->addresses.size()), addresses);
    if (addresses == 2)
        QCOMPARE(joinOrder(g->addresses).first(), QStringLiteral("[2001:db8::5]:7772"));
}

void TestLobby::writtenElementReadsBack() {
    LobbyGame g{QStringLiteral("bo@example.org/k"),
                QStringLiteral("Bo <&> \"x\""),
                2,
                7,
                true,
                false,
                QStringLiteral("1.0.3"),
                {QStringLiteral("[2001:db8::1]:7772"), QStringLiteral("10.0.0.2:7772")}};
    const auto e = parseElement(gameElement(g).toXml());
    QVERIFY(e);
    QCOMPARE(readGame(*e), std::optional<LobbyGame>(g));
}

void TestLobby::roomKeepsPeopleAndGames() {
    LobbyRoom room;
    room.reset(Room, QStringLiteral("Me"));
    QSignalSpy joined(&room, &LobbyRoom::joinedRoom);
    room.handle(presence("Ann", gameXml(Good, "<address>192.0.2.7:7772</address>")));
    room.handle(presence("Bob"));
    room.handle(
        presence("Me", "<x xmlns='http://jabber.org/protocol/muc#user'><status code='110'/></x>"));
    QCOMPARE(joined.count(), 1);
    QCOMPARE(room.people().size(), 3);
    QCOMPARE(room.gameCount(), 1);
    // Two game elements in one presence: neither is believed.
    room.handle(presence("Bob", gameXml(Good) + gameXml(Good)));
    QCOMPARE(room.gameCount(), 1);
    // A later presence without the element takes the game away; leaving takes the person.
    room.handle(presence("Ann"));
    QCOMPARE(room.gameCount(), 0);
    room.handle(presence("Ann", gameXml(Good)));
    room.handle(presence("Ann", {}, QStringLiteral("unavailable")));
    QCOMPARE(room.gameCount(), 0);
    QCOMPARE(room.people().size(), 2);
    // Another room's presences and broken stanzas change nothing.
    room.handle("<presence from='other@conference.example.org/Eve'/>");
    room.handle("<presence from='" + Room.toUtf8() + "/Eve'");
    QCOMPARE(room.people().size(), 2);
}

void TestLobby::roomRenamesOnConflictAndRefuses() {
    LobbyRoom room;
    room.reset(Room, QStringLiteral("Ann"));
    QSignalSpy renamed(&room, &LobbyRoom::renamed);
    QSignalSpy refused(&room, &LobbyRoom::refused);
    const QByteArray conflict =
        "<error type='cancel'><conflict xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error>";
    room.handle(presence("Ann", conflict, QStringLiteral("error")));
    QCOMPARE(renamed.count(), 1);
    QCOMPARE(room.nick(), QStringLiteral("Ann 2"));
    QVERIFY(room.joinPresence().contains("to=\"" + Room.toUtf8() + "/Ann 2\""));
    for (int i = 0; i < LobbyRoom::MaxNickTries; ++i)
        room.handle(presence(room.nick(), conflict, QStringLiteral("error")));
    QCOMPARE(refused.count(), 1); // the numbers ran out: one line, no endless tries
    LobbyRoom other;
    other.reset(Room, QStringLiteral("Bo"));
    QSignalSpy none(&other, &LobbyRoom::refused);
    other.handle(presence("Bo",
                          "<error type='cancel'><item-not-found "
                          "xmlns='urn:ietf:params:xml:ns:xmpp-stanzas'/></error>",
                          QStringLiteral("error")));
    QCOMPARE(none.count(), 1);
    QVERIFY(none.first().first().toString().contains(QStringLiteral("no room")));
}

void TestLobby::roomShowsOnlyInvitesPrivately() {
    LobbyRoom room;
    room.reset(Room, QStringLiteral("Me"));
    QSignalSpy offers(&room, &LobbyRoom::inviteOffered);
    QSignalSpy lines(&room, &LobbyRoom::chat);
    const QByteArray from = "from='" + Room.toUtf8() + "/Ann'";
    room.handle("<message type='chat' " + from +
                "><body>buy things at http://x.example</body></message>");
    room.handle("<message type='chat' " + from +
                "><body>Ann invites you: kelvoa://192.0.2.7/ABCDEFGHJK</body></message>");
    room.handle(
        "<message type='chat' " + from +
        "><invite xmlns='urn:kelvoa:lobby:1' link='kelvoa://[2001:db8::5]:7773'/></message>");
    QCOMPARE(offers.count(), 2);
    QCOMPARE(offers.at(1).at(1).toString(), QStringLiteral("kelvoa://[2001:db8::5]:7773"));
    QCOMPARE(lines.count(), 0);
    // Room chat is plain text on one line, cut to length.
    room.handle("<message type='groupchat' " + from + "><body>&lt;b&gt;hi&lt;/b&gt;\n" +
                QByteArray(900, 'x') + "</body></message>");
    QCOMPARE(lines.count(), 1);
    const QString text = lines.first().at(1).toString();
    QVERIFY(text.startsWith(QStringLiteral("<b>hi</b> x")));
    QCOMPARE(int(text.size()), LobbyRoom::MaxLineChars);
}

void TestLobby::roomBoundsPeopleAndGames() {
    LobbyRoom room;
    room.reset(Room, QStringLiteral("Me"));
    for (int i = 0; i < LobbyRoom::MaxPeople + 50; ++i) {
        QString attrs = Good;
        attrs.replace("'Ann'", QStringLiteral("'P%1'").arg(i));
        room.handle(presence(QStringLiteral("P%1").arg(i), gameXml(attrs)));
    }
    QCOMPARE(int(room.people().size()), LobbyRoom::MaxPeople);
    QCOMPARE(room.gameCount(), LobbyRoom::MaxGames);
    QCOMPARE(int(room.sortedGames().size()), LobbyRoom::MaxGames);
    // A long name is cut, never shown whole.
    room.handle(presence(QString(200, 'N')));
    QVERIFY(!room.people().contains(QString(LobbyRoom::MaxNickChars + 1, 'N')));
}

void TestLobby::floodLeavesWindowResponsive() {
    LobbyHub hub(QString{});
    NoStore nothingKept;
    hub.setPasswordStore(&nothingKept);
    Tlobby w(hub);
    w.show();
    hub.session.room.reset(Room, QStringLiteral("Me"));
    // 20 000 presences arrive as one burst, as a hostile room could send them.
    qint64 worstGapMs = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QElapsedTimer sinceTick;
    sinceTick.start();
    connect(&ticker, &QTimer::timeout, [&] {
        worstGapMs = qMax(worstGapMs, sinceTick.elapsed());
        sinceTick.restart();
    });
    ticker.start();
    for (int batch = 0; batch < 40; ++batch) {
        for (int i = 0; i < 500; ++i) {
            const int n = (batch * 500 + i) % 700;
            QString attrs = Good;
            attrs.replace("'Ann'", QStringLiteral("'G%1'").arg(n))
                .replace("ann@", QStringLiteral("g%1@").arg(n))
                .replace("spys='3'", QStringLiteral("spys='%1'").arg(batch % 8));
            hub.session.room.handle(presence(QStringLiteral("G%1").arg(n), gameXml(attrs)));
        }
        QTest::qWait(1); // the event loop turns between bursts, as between socket reads
    }
    QTRY_COMPARE_WITH_TIMEOUT(int(w.shownGames().size()), LobbyRoom::MaxGames, 2000);
    QCOMPARE(w.table_games->rowCount(), LobbyRoom::MaxGames);
    QCOMPARE(w.list_people->count(), LobbyRoom::MaxPeople);
    // Redrawing is coalesced: the window kept turning while it was drawn.
    QTest::qWait(3 * Tlobby::RefreshMs);
    qInfo("longest gap between ticks during the flood: %lld ms", worstGapMs);
    QVERIFY2(worstGapMs < 500, qPrintable(QString::number(worstGapMs)));
    // The keys are on the games, the first one chosen.
    QCOMPARE(w.table_games->currentRow(), 0);
}

QTEST_MAIN(TestLobby)
#include "test_lobby.moc"
