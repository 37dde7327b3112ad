// Two main windows, the real host and real loopback sockets: a hosting user
// and a joining user play a whole game by clicking, as players would.
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "board_model.h"
#include "catalogue.h"
#include "dice.h"
#include "rules.h"
#include "tally_file.h"
#include "tchat.h"
#include "tserver.h"
#include "ttallylist.h"
#include "windows.h"

namespace {
class QuietDialogs : public Dialogs {
public:
    QStringList shown;
    void message(QWidget*, const QString& text) override { shown.append(text); }
};

// Plays for one window: rolls when the roll button shows, otherwise clicks
// the lowest chip that may move. Returns true when it acted.
bool actFor(Tchat& chat) {
    board::TurnFlow& flow = *chat.turnflow;
    const int me = chat.myseat;
    if (flow.model().whoseturn != me) return false;
    if (chat.view->button_roll->isVisible()) {
        QTest::mouseClick(chat.view->button_roll, Qt::LeftButton);
        return true;
    }
    const int seat = board::boardSeat(me); // 3 plays seat 1 after a hand-over
    const int points = flow.model().pending[seat - 1];
    if (points <= 0) return false;
    for (int chip = 1; chip <= 7; ++chip) {
        if (board::checkMove(flow.model().seatboards[seat - 1], chip, points) ==
            board::MoveCheck::Allowed) {
            QTest::mouseClick(chat.view->image_p(seat, chip), Qt::LeftButton, {}, QPoint(12, 12));
            return true;
        }
    }
    return false;
}
// The real host and two windows on it: Alice hosts, Bob joins.
struct Table {
    explicit Table(unsigned seed) : dice(seed) {
        server.setDiceSource(&dice);
        // Slot 1 is Alice's own client's, as the program wires it.
        server.ownClient = [this](quint16 peerPort) { return alice.ownsEnd(peerPort); };
        alice.startHost = [this] {
            server.setListening(true, "0");
            return server.listeningPort();
        };
        for (Tchat* c : {&alice, &bob}) {
            c->lobbyPort = "1";
            c->setDialogs(&dialogs);
            c->settingsFolder = (c == &alice ? aliceDir : bobDir).path();
        }
        // Each player's own tally window and file, as the program makes them.
        aliceTally = std::make_unique<Ttallylist>(nullptr, tallyPath(aliceDir));
        bobTally = std::make_unique<Ttallylist>(nullptr, tallyPath(bobDir));
        for (Ttallylist* t : {aliceTally.get(), bobTally.get()}) {
            t->report = [](const QString& e) { qWarning() << e; };
            t->FormCreate();
        }
        alice.setWindows({aliceTally.get()});
        bob.setWindows({bobTally.get()});
    }
    static QString tallyPath(const QTemporaryDir& d) { return d.filePath(tallyfile::FileName); }
    // Somebody else's window on the same host, with settings of his own.
    std::unique_ptr<Tchat> newcomer(const QString& name, const QTemporaryDir& dir) {
        auto c = std::make_unique<Tchat>(QStringList{name, "127.0.0.1", "x"});
        c->lobbyPort = "1";
        c->setDialogs(&dialogs);
        c->settingsFolder = dir.path();
        c->gamePort = QString::number(server.listeningPort());
        return c;
    }
    // Both log in; then the host is given a brisk pace and Alice starts.
    bool seatAndStart() {
        alice.show();
        if (!QTest::qWaitFor([&] { return alice.loggedin && alice.settingsRead; }, 5000))
            return false;
        bob.gamePort = QString::number(server.listeningPort());
        bob.show();
        if (!QTest::qWaitFor([&] { return bob.loggedin && bob.settingsRead; }, 5000)) return false;
        // Alice's settings told the host its pace; a brisk one keeps tests short.
        if (!QTest::qWaitFor([&] { return server.botdelay == 1000; }, 5000)) return false;
        server.botdelay = 5;
        QTest::mouseClick(alice.view->button_start, Qt::LeftButton);
        return QTest::qWaitFor([&] { return server.game.gameon(); }, 5000);
    }
    // Both boards agree with the host, chip by chip.
    void verifyBoardsAgree() {
        QTRY_VERIFY(alice.queued() == 0 && bob.queued() == 0);
        for (int seat = 1; seat <= 2; ++seat)
            for (int chip = 1; chip <= 7; ++chip)
                for (Tchat* c : {&alice, &bob}) {
                    const int host = server.game.chips(seat)[chip - 1];
                    QCOMPARE(c->turnflow->model().seatboards[seat - 1].chips[chip - 1], host);
                    // A chip may still be gliding to its square.
                    QTRY_COMPARE(c->view->image_p(seat, chip)->pos(),
                                 board::placechipPosition(seat, chip, host));
                }
    }

    TServer server;
    rules::SeededDice dice;
    QTemporaryDir aliceDir, bobDir;
    QuietDialogs dialogs;
    std::unique_ptr<Ttallylist> aliceTally, bobTally;
    Tchat alice{{"Alice", "127.0.0.1", "true"}};
    Tchat bob{{"Bob", "127.0.0.1", "x"}};
};
} // namespace

class TestTwoPlayers : public QObject {
    Q_OBJECT
private slots:
    void blindClicking();
    void wholeGameByClicking();
    void soloAgainstKlot();
    void handOverThroughTheGiveButton();
    void droppedLineKeepsTheSeat();
    void strangerCannotEndTheHostingCopy();
};

void TestTwoPlayers::wholeGameByClicking() {
    Table t(20261208);
    Tchat& alice = t.alice;
    Tchat& bob = t.bob;
    TServer& server = t.server;
    QVERIFY(t.seatAndStart());
    QCOMPARE(alice.myseat, 1);
    QCOMPARE(bob.myseat, 2);
    QCOMPARE(alice.label_playername2->text(), QStringLiteral("Bob"));
    QCOMPARE(bob.label_playername1->text(), QStringLiteral("Alice"));
    // Alice tallies Bob from "Players In Current Game", as a player would.
    alice.ViewTally1->trigger();
    QListWidget* current = t.aliceTally->checklist;
    QCOMPARE(current->count(), 1);
    current->setCurrentRow(0);
    current->item(0)->setCheckState(Qt::Checked);
    QCOMPARE(t.aliceTally->listbox_tally->count(), 1);
    t.aliceTally->hide();

    int actions = 0;
    QElapsedTimer clock;
    clock.start();
    while (server.game.gameon() && clock.elapsed() < 120000) {
        bool acted = actFor(alice) || actFor(bob);
        actions += acted;
        QTest::qWait(acted ? 15 : 5);
    }
    QVERIFY2(!server.game.gameon(), "the game did not end");
    QVERIFY(actions > 20);

    // Both windows saw the winner and agree with the host, chip by chip.
    QTRY_VERIFY(alice.view->panel_winner->isVisible() && bob.view->panel_winner->isVisible());
    t.verifyBoardsAgree();
    const int winner = rules::checkforwin(server.game.chips(1)) ? 1 : 2;
    QVERIFY(rules::checkforwin(server.game.chips(winner)));
    QCOMPARE(alice.gamesForTally.size(), 1);
    QCOMPARE(alice.gamesForTally.first(),
             winner == 1 ? QStringLiteral("addtomine") : QStringLiteral("Bob"));
    QVERIFY(t.dialogs.shown.isEmpty());

    // The game reached both tally windows; "Players In Current Game" names
    // the opponent.
    QCOMPARE(t.aliceTally->mylabel[1]->text(), QStringLiteral("1"));
    QCOMPARE(t.aliceTally->checklist->count(), 1);
    QCOMPARE(t.aliceTally->checklist->item(0)->text(), QStringLiteral("Bob"));
    // Both leave through File > Exit; the program then writes each tally.
    alice.Exit1->trigger();
    bob.Exit1->trigger();
    t.aliceTally.reset();
    t.bobTally.reset();
    Tally a, b;
    QCOMPARE(tallyfile::load(Table::tallyPath(t.aliceDir), a), QString());
    QCOMPARE(tallyfile::load(Table::tallyPath(t.bobDir), b), QString());
    QCOMPARE(a.grid.cell(1, 0), QStringLiteral("1"));
    QCOMPARE(b.grid.cell(1, 0), QStringLiteral("1"));
    QCOMPARE(a.grid.cell(2, 0).toInt() + b.grid.cell(2, 0).toInt(), 1);
    QCOMPARE(a.grid.cell(2, 0).toInt(), winner == 1 ? 1 : 0);
    // Bob's row in Alice's tally: one game, won by one of the two.
    QCOMPARE(a.grid.cell(0, 1), QStringLiteral("Bob"));
    QCOMPARE(a.grid.cell(1, 1), QStringLiteral("1"));
    QCOMPARE(a.grid.cell(2, 1), winner == 2 ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(a.grid.cell(3, 1), winner == 1 ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(a.grid.cell(4, 1), QStringLiteral("0"));
}

// Clicks like an impatient player: the roll button, then every square of
// the own route and the start pile, whatever stands there.
static void blindFor(Tchat& chat) {
    static const int r1[15][2] = {{3, 0}, {2, 0}, {1, 0}, {0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1},
                                  {4, 1}, {5, 1}, {5, 2}, {6, 2}, {6, 1}, {6, 0}, {5, 0}};
    static const int r2[15][2] = {{3, 2}, {2, 2}, {1, 2}, {0, 2}, {0, 1}, {1, 1}, {2, 1}, {3, 1},
                                  {4, 1}, {5, 1}, {5, 0}, {6, 0}, {6, 1}, {6, 2}, {5, 2}};
    const int me = chat.myseat;
    QWidget* panel = chat.view->FlatPanel1;
    auto clickAt = [&](QPoint p) {
        QWidget* w = panel->childAt(p);
        if (!w) return;
        QTest::mouseClick(w, Qt::LeftButton, {}, w->mapFrom(panel, p));
        QTest::qWait(3);
    };
    if (chat.view->button_roll->isVisible()) {
        QTest::mouseClick(chat.view->button_roll, Qt::LeftButton);
        QTest::qWait(30);
    }
    for (int i = 14; i >= 0; --i) {
        const int* c = me == 1 ? r1[i] : r2[i];
        clickAt(me == 1 ? QPoint(48 * c[0] + 36, 48 * c[1] + 60)
                        : QPoint(48 * c[0] + 38, 48 * c[1] + 80));
    }
    // The start pile fans out to the left as chips leave it.
    for (int x : {171, 148, 131})
        clickAt(QPoint(x, me == 1 ? 26 : 215));
    QTest::qWait(30);
}

void TestTwoPlayers::blindClicking() {
    Table t(99);
    QVERIFY(t.seatAndStart());
    QElapsedTimer clock;
    clock.start();
    while (t.server.game.gameon() && clock.elapsed() < 100000) {
        blindFor(t.alice);
        blindFor(t.bob);
    }
    QVERIFY2(!t.server.game.gameon(), "blind clicking got stuck");
    // Refusals along the way never let a board drift from the host's.
    t.verifyBoardsAgree();
}

void TestTwoPlayers::soloAgainstKlot() {
    TServer server;
    rules::SeededDice dice(7);
    server.setDiceSource(&dice);
    QTemporaryDir dir; // no settings file: Normal pace without any menu choice
    QuietDialogs dialogs;
    Tchat you({});
    you.startHost = [&server] {
        server.setListening(true, "0");
        return server.listeningPort();
    };
    you.setDialogs(&dialogs);
    you.settingsFolder = dir.path();
    you.show();
    QTRY_VERIFY(you.loggedin && you.settingsRead);
    QCOMPARE(you.playername, QStringLiteral("You"));
    QTRY_COMPARE(server.botdelay, 1000);
    QVERIFY(you.Normal1->isChecked());
    server.botdelay = 5;

    QTest::mouseClick(you.view->button_start, Qt::LeftButton);
    QTRY_VERIFY(server.game.gameon());
    QElapsedTimer clock;
    clock.start();
    while (server.game.gameon() && clock.elapsed() < 120000)
        QTest::qWait(actFor(you) ? 15 : 5);
    QVERIFY2(!server.game.gameon(), "the solo game did not end");
    QTRY_VERIFY(you.view->panel_winner->isVisible());
    // Klot moved seat 2's chips: some stand away from start.
    int away = 0;
    for (int chip = 0; chip < 7; ++chip)
        away += server.game.chips(2)[chip] != 0;
    QVERIFY(away > 0);
}

// Alice gives her seat to the spy in slot 3 with the give button; Cy then
// plays seat 1's chips from his window, and his leaving ends the game.
void TestTwoPlayers::handOverThroughTheGiveButton() {
    Table t(5);
    Tspylist aliceSpies;
    Ttallylist cyTally(nullptr, Table::tallyPath(t.aliceDir) + ".cy");
    t.alice.setWindows({t.aliceTally.get(), nullptr, nullptr, nullptr, &aliceSpies});
    QVERIFY(t.seatAndStart());
    QVERIFY(t.alice.view->button_give->isHidden()); // nobody in slot 3 yet
    QTemporaryDir cyDir;
    auto cy = t.newcomer("Cy", cyDir);
    cy->setWindows({&cyTally});
    cy->show();
    QTRY_VERIFY(cy->loggedin && cy->myseat == 3);
    QTRY_VERIFY(t.alice.view->button_give->isVisible());
    QVERIFY(t.bob.view->button_give->isHidden()); // only seat 1's user may give
    QTest::mouseClick(t.alice.view->button_give, Qt::LeftButton);
    QTRY_COMPARE(cy->label_playername1->text(), QStringLiteral("Cy"));
    QTRY_VERIFY(t.alice.view->button_give->isHidden());
    QCOMPARE(t.bob.label_playername1->text(), QStringLiteral("Cy"));
    QVERIFY(t.bob.transcriptLines().contains("0+The host has given Cy the ability to play."));
    QCOMPARE(cy->view->image_p(1, 1)->ownerMark(), QStringLiteral("3"));

    // Cy and Bob play on; Alice's clicks no longer move seat 1.
    int cyActions = 0;
    QElapsedTimer clock;
    clock.start();
    while (t.server.game.gameon() && cyActions < 6 && clock.elapsed() < 60000) {
        actFor(t.alice);
        const bool acted = actFor(*cy);
        cyActions += acted;
        actFor(t.bob);
        QTest::qWait(acted ? 15 : 5);
    }
    QVERIFY(cyActions >= 6 || !t.server.game.gameon());
    t.verifyBoardsAgree();

    cy->close();
    cy.reset();
    QTRY_VERIFY(t.alice.transcriptLines().contains("0+The Game is over since player 3 left"));
    QTRY_COMPARE(t.alice.label_playername1->text(), QStringLiteral("Alice"));
    QVERIFY(t.alice.view->button_start->isVisible());
    QCOMPARE(t.alice.view->image_p(1, 1)->ownerMark(), QStringLiteral("1"));
    QVERIFY(!t.server.game.gameon());
}

namespace {
// A dropped line: the client's socket dies under it, as when a cable is pulled.
void cutLine(Tchat& chat) {
    auto* socket = chat.sock->findChild<QTcpSocket*>();
    QVERIFY(socket);
    socket->abort();
}
bool saw(const Tchat& chat, const QString& line) {
    for (const QString& l : chat.transcriptLines())
        if (l.contains(line)) return true;
    return false;
}
} // namespace

void TestTwoPlayers::droppedLineKeepsTheSeat() {
    Table t(77);
    Tchat& alice = t.alice;
    Tchat& bob = t.bob;
    TServer& server = t.server;
    QVERIFY(t.seatAndStart());
    QTRY_VERIFY(bob.hasSeatKey());
    QVERIFY(!alice.hasSeatKey()); // the hosting user's own client never needs one
    // The line drops while Bob is to roll.
    QElapsedTimer wait;
    wait.start();
    while (!(server.game.currentplayer() == 2 && server.game.phase(2) == 'r') &&
           wait.elapsed() < 20000) {
        actFor(alice);
        QTest::qWait(2);
    }
    QCOMPARE(server.game.currentplayer(), 2);

    QElapsedTimer sinceCut;
    sinceCut.start();
    cutLine(bob);
    QTRY_VERIFY(server.seatHeld(2));
    QVERIFY(bob.reconnecting());
    QVERIFY(bob.isVisible());
    QVERIFY(bob.reconnectbar->isVisible());
    QVERIFY(!bob.loggedin); // nothing is sent into a dead line
    bob.send(wire::playasound(2, 3));
    QVERIFY(t.dialogs.shown.isEmpty()); // nor does the player get an error box

    // Somebody else called Bob arrives meanwhile: a newcomer, not the player.
    QTemporaryDir carolDir;
    const auto carolWindow = t.newcomer("Bob", carolDir);
    Tchat& carol = *carolWindow;
    carol.show();
    QTRY_VERIFY(carol.loggedin && carol.settingsRead);
    QCOMPARE(carol.myseat, 3);
    // A made-up key is a newcomer's login too, and leaves the kept seat alone.
    QTcpSocket guesser;
    guesser.connectToHost(QHostAddress::LocalHost, bob.gamePort.toUShort());
    QVERIFY(guesser.waitForConnected(5000));
    QByteArray got;
    QTRY_VERIFY((got += guesser.readAll()).contains('\xff'));
    QCOMPARE(got.left(got.indexOf('\xff')), QByteArray("CMD_sendlogininfo+4"));
    guesser.write(wire::frame(wire::rejoin(4, "0123456789abcdef0123456789abcdef")) +
                  wire::frame(wire::logininfo(4, QString::fromLatin1(wire::Version), "Bob")));
    QTRY_VERIFY(server.players[4].loggedin);
    QVERIFY(server.seatHeld(2));
    guesser.abort();

    // The game does not wait: the computer rolls for Bob while he is away.
    QTRY_VERIFY(server.game.currentplayer() != 2 || server.game.phase(2) != 'r');
    QVERIFY(server.seatHeld(2));
    while (bob.reconnecting() && sinceCut.elapsed() < 20000) {
        actFor(alice);
        QTest::qWait(5);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!bob.reconnecting() && server.players[2].loggedin, 20000);
    qInfo("back %lld ms after the cut", static_cast<long long>(sinceCut.elapsed()));
    QCOMPARE(bob.myseat, 2);
    QVERIFY(!server.seatHeld(2));
    QVERIFY(!bob.reconnectbar->isVisible());
    QCOMPARE(alice.label_playername2->text(), QStringLiteral("Bob"));
    QTRY_VERIFY(
        saw(alice, QStringLiteral("Bob lost the connection; the seat is kept for 3 minutes.")));
    QTRY_VERIFY(saw(alice, QStringLiteral("Bob is back.")));
    QVERIFY(!saw(bob, QStringLiteral("Bob is back.")));
    QCOMPARE(carol.myseat, 3);

    // The next roll of seat 2 is Bob's own, from his board.
    QElapsedTimer clock;
    clock.start();
    bool bobRolled = false;
    while (server.game.gameon() && !bobRolled && clock.elapsed() < 30000) {
        if (server.game.currentplayer() == 2 && server.game.phase(2) == 'r' &&
            bob.view->button_roll->isVisible() && bob.queued() == 0) {
            QTest::mouseClick(bob.view->button_roll, Qt::LeftButton);
            QTRY_VERIFY(server.game.currentplayer() != 2 || server.game.phase(2) != 'r');
            bobRolled = true;
        }
        actFor(alice);
        actFor(bob);
        QTest::qWait(5);
    }
    QVERIFY(bobRolled || !server.game.gameon());
    t.verifyBoardsAgree();

    // A player who never comes back: the hold ends after its time, and the
    // slot is free for the next newcomer.
    server.seatHoldMs = 300;
    cutLine(bob);
    bob.close();
    QTRY_VERIFY(server.seatHeld(2));
    QTRY_VERIFY(!server.seatHeld(2));
    QVERIFY(!server.players[2].connected);
    QTemporaryDir danDir;
    const auto danWindow = t.newcomer("Dan", danDir);
    Tchat& dan = *danWindow;
    dan.show();
    QTRY_VERIFY(dan.loggedin && dan.hasSeatKey());
    QCOMPARE(dan.myseat, 2);

    // A removed player does not come back, not even as a watcher.
    alice.kicking(3);
    QTRY_VERIFY(!carol.isVisible());
    QTest::qWait(1500);
    QVERIFY(!server.players[3].connected);
    QVERIFY(!carol.reconnecting());
    // Removed, his computer stays out for the rest of the hosting.
    QCOMPARE(server.removedAddresses(), 1);

    // A host that is gone for good: after its time the client asks, and
    // Close ends the window.
    dan.reconnectForMs = 1500;
    server.setListening(false);
    cutLine(dan);
    QTRY_VERIFY(dan.reconnecting());
    QTRY_VERIFY_WITH_TIMEOUT(dan.button_reconnect->isVisible(), 5000);
    QVERIFY(dan.isVisible());
    QVERIFY(!dan.reconnecting());
    QTest::mouseClick(dan.button_closeconn, Qt::LeftButton);
    QTRY_VERIFY(!dan.isVisible());
}

void TestTwoPlayers::strangerCannotEndTheHostingCopy() {
    Table t(5);
    Tchat& alice = t.alice;
    Tchat& bob = t.bob;
    QVERIFY(t.seatAndStart());
    QTRY_VERIFY(alice.queued() == 0 && bob.queued() == 0);
    // A stranger logs in with the longest name the framer lets through, then
    // says the longest line there is, and then a flood of them.
    QTcpSocket stranger;
    stranger.connectToHost(QHostAddress::LocalHost, t.server.listeningPort());
    QVERIFY(stranger.waitForConnected(5000));
    QByteArray got;
    QTRY_VERIFY((got += stranger.readAll()).contains('\xff'));
    QCOMPARE(got.left(got.indexOf('\xff')), QByteArray("CMD_sendlogininfo+3"));
    const QByteArray name(50000, 'N'), line(50000, 'L');
    stranger.write(wire::frame("CMD_logininfo+3+1.0.3+" + name));
    QTRY_VERIFY(t.server.players[3].loggedin);
    QCOMPARE(t.server.players[3].name, QByteArray(wire::MaxNameBytes, 'N'));
    // One after the other (all at once would be cut off as a flood).
    for (int i = 0; i < 40; ++i) {
        stranger.write(wire::frame("CMD_chat+3+" + line + "|clRed"));
        QTest::qWait(60);
    }
    QTRY_VERIFY(saw(bob, QStringLiteral("LLLL")));
    QTest::qWait(3000); // what the host would relay of the flood, it has relayed
    // The hosting copy and the other player are there as before...
    QVERIFY(alice.isVisible() && alice.sock->connected());
    QVERIFY(bob.isVisible() && bob.sock->connected());
    QVERIFY(t.server.game.gameon());
    // ...the lines were cut, and only a burst of them went out.
    int relayed = 0;
    for (const QString& l : bob.transcriptLines()) {
        if (!l.contains(QLatin1String("chats: LLL"))) continue;
        ++relayed;
        QVERIFY(l.size() < wire::MaxLineBytes + 100);
    }
    QVERIFY(relayed >= 1 && relayed <= TServer::ChatBurst + 6);
}

QTEST_MAIN(TestTwoPlayers)
#include "test_two_players.moc"
