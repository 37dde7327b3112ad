// The main window as a client: login, dispatch, the roster of seats and
// watchers, the host's commands on it, and closing.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "catalogue.h"
#include "raw_host.h"
#include "tchat.h"
#include "windows.h"

namespace {
class RecordingDialogs : public Dialogs {
public:
    QStringList shown, asked;
    bool answer = false;
    void message(QWidget*, const QString& text) override { shown.append(text); }
    int choose(QWidget*, const QString& text, const QStringList&) override {
        asked.append(text);
        return answer ? 0 : 1;
    }
};
} // namespace

class TestTchatRoster : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loginAndRoster();
    void departures();
    void dispatchIsExactAndOrdered();
    void badNumberReportsAndGoesOn();
    void gameIsFull();
    void privateGameRefuses();
    void hostClosingClosesWindow();
    void floodingHostIsLetGo();
    void kickPopupRules();
    void justWatch();
    void opponentsForTally();
    void lateJoinerSeesHandOver();

private:
    void start(int seat, bool hosting = false, const QString& code = {});
    void feed(const QByteArray& text);
    void drain();

    std::unique_ptr<RawHost> host;
    std::unique_ptr<Tchat> chat;
    std::unique_ptr<Tspylist> spylist;
    RecordingDialogs dialogs;
    QTemporaryDir settingsDir;
    QStringList cues;
    int base = 0; // messages handled before the test's own
    int fed = 0;
};

void TestTchatRoster::init() {
    dialogs.shown.clear();
    dialogs.asked.clear();
    dialogs.answer = false;
    cues.clear();
    host = std::make_unique<RawHost>();
    QVERIFY(host->listen());
    spylist = std::make_unique<Tspylist>();
}

void TestTchatRoster::cleanup() {
    chat.reset();
    spylist.reset();
    host.reset();
}

// Joins the raw host as 'Bob' and logs in with the given seat.
void TestTchatRoster::start(int seat, bool hosting, const QString& code) {
    chat = std::make_unique<Tchat>(QStringList{"Bob", "127.0.0.1", "x"});
    chat->gamePort = QString::number(host->port());
    chat->lobbyPort = "1"; // nothing listens there; the failure goes unnoticed
    chat->setDialogs(&dialogs);
    chat->settingsFolder = settingsDir.path();
    chat->setWindows({nullptr, nullptr, nullptr, nullptr, spylist.get(), nullptr});
    chat->onCue = [this](const QString& c) { cues.append(c); };
    chat->inviteCode = code;
    chat->processparams();
    chat->ishost = hosting;
    QVERIFY(host->waitForClient());
    host->send(wire::sendlogininfo(seat));
    // The code goes right before the login.
    if (!code.isEmpty())
        QCOMPARE(host->waitForPrefix("CMD_invite"),
                 "CMD_invite+" + QByteArray::number(seat) + "+" + code.toLatin1() + "+");
    QCOMPARE(host->waitForPrefix("CMD_logininfo"),
             "CMD_logininfo+" + QByteArray::number(seat) + "+1.0.3+Bob");
    QCOMPARE(chat->myseat, seat);
    QVERIFY(chat->loggedin);
    base = chat->handledCount;
    fed = 0;
}

void TestTchatRoster::feed(const QByteArray& text) {
    host->send(text);
    ++fed;
}

void TestTchatRoster::drain() {
    QTRY_COMPARE(chat->handledCount - base, fed);
    QTRY_VERIFY(!chat->Timer1.isActive());
}

void TestTchatRoster::loginAndRoster() {
    start(4);
    feed(wire::newplayerinfo(4, "Bob"));
    feed(wire::existingplayers(1, "Alice"));
    feed(wire::existingplayers(2, "Carl+Co"));
    feed(wire::existingplayers(3, "Dee"));
    feed(wire::newplayerinfo(5, "Eve"));
    drain();
    QVERIFY(chat->settingsRead);
    QCOMPARE(chat->label_playername1->text(), QStringLiteral("Alice"));
    QCOMPARE(chat->label_playername2->text(), QStringLiteral("Carl+Co"));
    QCOMPARE(chat->spectators(), (QStringList{"4: Bob", "3: Dee", "5: Eve"}));
    QCOMPARE(chat->transcriptLines().mid(1),
             (QStringList{"0+You are Connected.", "0+You are spying.", "0+Alice is Connected.",
                          "0+Carl+Co is Connected.", "0+Dee is Connected.", "0+Dee is spying.",
                          "0+Eve is Connected.", "0+Eve is spying."}));
    QCOMPARE(cues, QStringList(5, "entered"));

    feed(wire::havewrongversion("Zed"));
    feed(wire::wrongversion());
    drain();
    QCOMPARE(chat->transcriptLines().mid(9),
             (QStringList{"0+Zed has a different version of the game then you.",
                          "0+You have a differnt version of the game then the host."}));
}

void TestTchatRoster::departures() {
    start(1);
    feed(wire::newplayerinfo(1, "Bob"));
    feed(wire::newplayerinfo(2, "Ann"));
    feed(wire::newplayerinfo(3, "Dee"));
    drain();
    chat->image_eyes2->show();
    const int before = chat->transcriptLines().size();
    feed(wire::playerdisconnected(3, "Dee"));
    feed(wire::playerdisconnected(7, "Ghost")); // never listed: no line
    feed(wire::playerdisconnected(2, "Ann"));
    feed(wire::playerdisconnected(2, "Klot")); // seat 2 left already: label reads "Klot"
    drain();
    QCOMPARE(chat->transcriptLines().mid(before),
             (QStringList{"0+Dee has left.", "0+Ann disconnected.", "0+Klot disconnected."}));
    QCOMPARE(chat->label_playername2->text(), QStringLiteral("Klot"));
    QVERIFY(chat->image_eyes2->isHidden());
    QVERIFY(chat->spectators().isEmpty());

    // A seat still waiting leaves without a line.
    chat->label_playername2->setText("<Waiting>");
    const int n = chat->transcriptLines().size();
    feed(wire::playerdisconnected(2, "X"));
    drain();
    QCOMPARE(chat->transcriptLines().size(), n);
}

void TestTchatRoster::dispatchIsExactAndOrdered() {
    start(3);
    const int before = chat->transcriptLines().size();
    // Two messages in one read, one split over two reads, and ones to drop.
    host->client()->write("CMD_newplayerinfo+1+A\xff"
                          "CMD_newplayerinfo+2+B\xff"
                          "CMD_newplayer");
    host->client()->flush();
    QTest::qWait(30);
    host->client()->write("info+5+C\xff"
                          "CMD_full\xff"
                          "cmd_full+\xff"
                          "CMD_Full+\xff"
                          "\xff"
                          "CMD_nosuch+1\xff");
    host->client()->flush();
    fed = 8;
    drain();
    QCOMPARE(chat->transcriptLines().mid(before),
             (QStringList{"0+A is Connected.", "0+B is Connected.", "0+C is Connected.",
                          "0+C is spying."}));
    QVERIFY(dialogs.shown.isEmpty()); // "CMD_full" without '+' was dropped
}

void TestTchatRoster::badNumberReportsAndGoesOn() {
    start(3);
    feed("CMD_newplayerinfo+x1+Zed");
    feed(wire::newplayerinfo(1, "Ann"));
    drain();
    QCOMPARE(dialogs.shown, QStringList{"'x1' is not a valid integer value"});
    QCOMPARE(chat->label_playername1->text(), QStringLiteral("Ann"));
}

void TestTchatRoster::gameIsFull() {
    start(3);
    chat->show();
    QSignalSpy closed(chat.get(), &Tchat::closed);
    feed(wire::full());
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(dialogs.shown, QStringList{"Game is full"});
}

void TestTchatRoster::privateGameRefuses() {
    start(2, false, QStringLiteral("ABCDEFGHJK"));
    chat->show();
    QSignalSpy closed(chat.get(), &Tchat::closed);
    feed(wire::privateGame());
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(dialogs.shown, QStringList{"This game is private: ask the host for an invite."});
}

void TestTchatRoster::hostClosingClosesWindow() {
    start(2);
    chat->show();
    QSignalSpy closed(chat.get(), &Tchat::closed);
    host->dropClient();
    QTRY_VERIFY(closed.count() >= 1);
    QVERIFY(!chat->isVisible());
}

void TestTchatRoster::floodingHostIsLetGo() {
    start(2);
    chat->show();
    QSignalSpy closed(chat.get(), &Tchat::closed);
    // Small messages without end, far faster than one a tick is handled.
    const QByteArray burst = wire::frame("CMD_noise+1+").repeated(20000);
    std::size_t most = 0;
    qint64 sent = 0;
    QElapsedTimer t;
    t.start();
    while (host->client() && host->client()->state() == QAbstractSocket::ConnectedState &&
           sent < 140LL * 1024 * 1024 && t.elapsed() < 20000) {
        if (host->client()->bytesToWrite() < 1024 * 1024) {
            host->client()->write(burst);
            sent += burst.size();
        }
        QTest::qWait(1);
        most = std::max(most, chat->queued());
    }
    // Let go as a departure, long before the flood ends, with the queue bounded.
    QTRY_VERIFY(closed.count() >= 1);
    QVERIFY(most <= std::size_t(Tchat::MaxQueuedMessages));
    QVERIFY(sent < 140LL * 1024 * 1024);
    qInfo("flooding host let go after %lld bytes; at most %zu messages waited", sent, most);
}

void TestTchatRoster::kickPopupRules() {
    start(1, true);
    chat->preparePopup(2);
    QVERIFY(!chat->popup_remove->isEnabled()); // seat 2 still "<Waiting>"
    QVERIFY(chat->popup_setwatch->isEnabled());
    feed(wire::newplayerinfo(2, "Ann"));
    drain();
    chat->preparePopup(2);
    QVERIFY(chat->popup_remove->isEnabled());
    chat->popup_remove->trigger();
    QCOMPARE(host->waitForPrefix("CMD_kickhim"), QByteArray("CMD_kickhim+1+2+"));
    chat->popup_setwatch->trigger();
    QCOMPARE(host->waitForPrefix("CMD_justwatch"), QByteArray("CMD_justwatch+2+1"));
    chat->popup_unsetwatch->trigger();
    QCOMPARE(host->waitForPrefix("CMD_justwatch"), QByteArray("CMD_justwatch+2+2"));
    QVERIFY(dialogs.asked.isEmpty()); // a public game has no invite to renew

    // The removed player knew a private game's invite: a fresh one is offered.
    QString given;
    chat->inviteCode = QStringLiteral("ABCDEFGHJK");
    chat->changeInviteCode = [&given](const QString& c) { given = c; };
    dialogs.answer = true;
    chat->popup_remove->trigger();
    QCOMPARE(host->waitForPrefix("CMD_kickhim"), QByteArray("CMD_kickhim+1+2+"));
    QCOMPARE(dialogs.asked.size(), 1);
    QVERIFY(!given.isEmpty() && given != QLatin1String("ABCDEFGHJK"));
    QCOMPARE(chat->inviteCode, given);

    // A copy that does not host offers nothing.
    chat->ishost = false;
    chat->preparePopup(2);
    QVERIFY(!chat->popup_remove->isEnabled());
    QVERIFY(!chat->popup_setwatch->isEnabled());
    QVERIFY(!chat->popup_unsetwatch->isEnabled());
    chat->kicking(2);
    QTest::qWait(50);
    QVERIFY(host->take().isEmpty());
}

void TestTchatRoster::justWatch() {
    start(2);
    feed(wire::newplayerinfo(2, "Bob"));
    drain();
    chat->JustWatch1->trigger();
    QCOMPARE(host->waitForPrefix("CMD_justwatch"), QByteArray("CMD_justwatch+2+1"));
    QVERIFY(!chat->JustWatch1->isChecked()); // only the host's answer checks it
    feed(wire::justwatching(2, 1));
    drain();
    QVERIFY(chat->JustWatch1->isChecked());
    QVERIFY(!chat->image_eyes2->isHidden());
    QCOMPARE(chat->transcriptLines().last(), QStringLiteral("0+Bob is just watching"));
    chat->JustWatch1->trigger();
    QCOMPARE(host->waitForPrefix("CMD_justwatch"), QByteArray("CMD_justwatch+2+2"));
    QVERIFY(chat->JustWatch1->isChecked());
    feed(wire::justwatching(2, 2));
    feed(wire::justwatching(5, 1)); // no such seat: ignored
    drain();
    QVERIFY(!chat->JustWatch1->isChecked());
    QCOMPARE(chat->transcriptLines().last(), QStringLiteral("0+Bob is now playing again"));

    // A watcher's "Just Watch" sends nothing.
    chat->myseat = 4;
    chat->JustWatch1->trigger();
    QTest::qWait(50);
    QVERIFY(host->take().isEmpty());
}

void TestTchatRoster::opponentsForTally() {
    start(1);
    QVERIFY(chat->opponentNames().isEmpty());
    feed(wire::newplayerinfo(1, "Bob"));
    feed(wire::newplayerinfo(2, "Ann"));
    drain();
    QCOMPARE(chat->opponentNames(), QStringList{"Ann"});
}

// A newcomer while seat 1 is handed over: who plays it, then a snapshot
// that names seat 3 as the seat to move.
void TestTchatRoster::lateJoinerSeesHandOver() {
    start(4);
    feed(wire::newplayerinfo(4, "Bob"));
    feed(wire::existingplayers(1, "Alice"));
    feed(wire::existingplayers(3, "Cy"));
    feed(wire::giving3(1, "Cy"));
    feed("CMD_gamestats+4+3+m+2+1+1+0+0+1+2+5+2+1+9");
    drain();
    QCOMPARE(chat->label_playername1->text(), QStringLiteral("Cy"));
    QCOMPARE(chat->turnflow->model().whoseturn, 3);
    QCOMPARE(chat->turnflow->model().points(1), 2);
    QCOMPARE(chat->turnflow->model().square(1, 2), 5);
    QCOMPARE(chat->turnflow->model().square(2, 1), 9);
    QCOMPARE(chat->view->memo_turn->lines().last(), QStringLiteral("Cy's turn.."));
    QCOMPARE(chat->view->image_p(1, 3)->ownerMark(), QStringLiteral("3"));
    QVERIFY(chat->view->button_give->isHidden()); // a watcher never gives
}

QTEST_MAIN(TestTchatRoster)
#include "test_tchat_roster.moc"
