// Two main windows, the real host and real loopback sockets: a hosting user
// and a joining user play a whole game by clicking, as players would.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "board_model.h"
#include "dice.h"
#include "rules.h"
#include "tchat.h"
#include "tserver.h"

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
    const int points = flow.model().pending[me - 1];
    if (points <= 0) return false;
    for (int chip = 1; chip <= 7; ++chip) {
        if (board::checkMove(flow.model().seatboards[me - 1], chip, points) ==
            board::MoveCheck::Allowed) {
            QTest::mouseClick(chat.view->image_p(me, chip), Qt::LeftButton, {}, QPoint(12, 12));
            return true;
        }
    }
    return false;
}
// The real host and two windows on it: Alice hosts, Bob joins.
struct Table {
    explicit Table(unsigned seed) : dice(seed) {
        server.setDiceSource(&dice);
        alice.startHost = [this] {
            server.setListening(true, "0");
            return server.listeningPort();
        };
        for (Tchat* c : {&alice, &bob}) {
            c->lobbyPort = "1";
            c->setDialogs(&dialogs);
            c->settingsFolder = (c == &alice ? aliceDir : bobDir).path();
        }
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

QTEST_MAIN(TestTwoPlayers)
#include "test_two_players.moc"
