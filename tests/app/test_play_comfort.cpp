// The play comforts through the real window, the real host and loopback
// sockets: a whole solo game played with keys only while the chat input has
// the focus, guided by the hints; its record saved and replayed from the
// menu; the dice figures beside it; and the menu's mnemonics and switches.
// What a screen reader is told follows the same game.
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "board_accessible.h"
#include "chip_animation.h"
#include "dice.h"
#include "game_archive.h"
#include "hint_overlay.h"
#include "levels.h"
#include "perfect_table.h"
#include "record_review.h"
#include "record_viewer.h"
#include "rules.h"
#include "tchat.h"
#include "tdicestats.h"
#include "tserver.h"

namespace {
class FileDialogs : public Dialogs {
public:
    QStringList shown;
    QString file; // what the file chooser "chooses"
    void message(QWidget*, const QString& text) override { shown.append(text); }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return file; }
    QString openFileName(QWidget*, const QString&) override { return file; }
    QStringList asked;
    QList<int> answers; // the tutor's questions are answered with these, in turn
    int choose(QWidget*, const QString& text, const QStringList& buttons) override {
        asked.append(text + QLatin1Char('|') + buttons.join(QLatin1Char('|')));
        return answers.isEmpty() ? 1 : answers.takeFirst();
    }
};

void ctrl(QWidget* w, Qt::Key key) {
    QTest::keyClick(w, key, Qt::ControlModifier);
}

struct Solo {
    explicit Solo(unsigned seed) : dice(seed) {
        server.setDiceSource(&dice);
        you.startHost = [this] {
            server.setListening(true, "0");
            return server.listeningPort();
        };
        you.setDialogs(&dialogs);
        you.settingsFolder = dir.path();
    }
    bool seated() {
        you.show();
        you.activateWindow();
        if (!QTest::qWaitForWindowActive(&you)) return false;
        if (!QTest::qWaitFor([&] { return you.loggedin && you.settingsRead; }, 5000)) return false;
        if (!QTest::qWaitFor([&] { return server.botdelay == 1000; }, 5000)) return false;
        server.botdelay = 5;
        return true;
    }
    QString ini() const {
        QFile f(dir.filePath("korvanlobby.ini"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }

    TServer server;
    rules::SeededDice dice;
    QTemporaryDir dir;
    FileDialogs dialogs;
    Tchat you{{}};
};
} // namespace

class TestPlayComfort : public QObject {
    Q_OBJECT
private slots:
    // The review and the chances bar solve the table on first use: a tiny
    // one here, so that no test waits a minute for it.
    void initTestCase() { levels::setTableCoverage(12); }
    void wholeGameByKeysThenRecordAndFigures();
    void keysDoNothingOutOfTurn();
    void tutorAsksBeforeAPoorMove();
    void menuMnemonicsAndSwitches();
};

void TestPlayComfort::wholeGameByKeysThenRecordAndFigures() {
    Solo t(4242);
    Tchat& you = t.you;
    QDir(you.gamesFolder()).removeRecursively();
    QVERIFY(t.seated());
    you.mychat->setFocus();
    QTRY_VERIFY(you.mychat->hasFocus());

    ctrl(you.mychat, Qt::Key_G);
    QTRY_VERIFY(t.server.game.gameon());
    int rolls = 0, moves = 0, hinted = 0;
    QElapsedTimer clock;
    clock.start();
    while (t.server.game.gameon() && clock.elapsed() < 150000) {
        QVERIFY2(you.mychat->hasFocus(), "the keys took the focus from the chat input");
        const board::BoardModel& m = you.turnflow->model();
        if (!you.view->button_roll->isHidden()) {
            ctrl(you.mychat, Qt::Key_R);
            ++rolls;
        } else if (m.whoseturn == 1 && m.pending[0] > 0) {
            // The player reads the glow: the hints name exactly the chips the
            // host would take, and the first of them is moved by its key.
            const auto& hints = you.hintoverlay->hints();
            QCOMPARE(you.hintoverlay->isVisible(), !hints.empty());
            QCOMPARE(int(rules::legalChips(t.server.game.chips(1), m.pending[0])) != 0,
                     !hints.empty());
            if (hints.empty()) { // the host passes the turn on its own
                QTest::qWait(5);
                continue;
            }
            for (const board::Hint& h : hints)
                QVERIFY(rules::checkmove(t.server.game.chips(1), h.chip, m.pending[0]) ==
                        rules::MoveError::None);
            // A screen reader is told the same choice: the hinted chips, and
            // only they, say where they may go, on the chip and on its square.
            QAccessibleTableInterface* squares =
                QAccessible::queryAccessibleInterface(you.view->board)->tableInterface();
            QVERIFY(squares && !squares->cellAt(3, 0) && !squares->cellAt(0, -1));
            for (int chip = 1; chip <= 7; ++chip) {
                const auto h =
                    std::find_if(hints.begin(), hints.end(),
                                 [chip](const board::Hint& x) { return x.chip == chip; });
                const QString said = you.view->image_p(1, chip)->accessibleName();
                QVERIFY2(said.contains("may move") == (h != hints.end()), qPrintable(said));
                if (h == hints.end() || h->from == 0) continue;
                const board::Cell c = board::routeOf(1)[h->from];
                const QString where = h->to == 16
                                          ? QStringLiteral("may move home")
                                          : QStringLiteral("may move to square %1").arg(h->to);
                QVERIFY(squares->cellAt(c.row, c.column)->text(QAccessible::Name).contains(where));
            }
            ++hinted;
            ctrl(you.mychat, Qt::Key(Qt::Key_0 + hints.front().chip));
            ++moves;
            // Spent: the glow goes until the host has answered.
            QVERIFY(you.hintoverlay->isHidden());
        }
        QTest::qWait(5);
    }
    QVERIFY2(!t.server.game.gameon(), "the game played by keys did not end");
    QTRY_VERIFY(you.view->panel_winner->isVisible());
    QVERIFY(you.view->label_winner1->text().endsWith(" has Won the Game!"));
    // What the transcript wrote last was said last.
    QTRY_VERIFY(you.view->reader->announcer()->lastSaid().endsWith(" has Won the Game!"));
    QVERIFY(rolls > 10 && moves > 5 && hinted == moves);
    QVERIFY(t.dialogs.shown.isEmpty());
    QTRY_VERIFY(you.queued() == 0);

    // The record, saved from the menu, replays to the host's final board.
    const QString file = t.dir.filePath("game.txt");
    t.dialogs.file = file;
    you.SaveGameRecord1->trigger();
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    QVERIFY(text.startsWith("# "));
    const board::ReadRecord read = board::readRecord(text);
    QCOMPARE(read.stoppedAtLine, 0);
    QCOMPARE(read.games.size(), std::size_t(1));
    // The finished game was kept on its own in "Games" beside the tally file.
    const QStringList kept = board::keptGames(you.gamesFolder());
    QCOMPARE(kept.size(), 1);
    QCOMPARE(you.lastKeptGame, kept.front());
    QCOMPARE(QFileInfo(you.gamesFolder()).absolutePath(),
             QFileInfo(qEnvironmentVariable("KELVOA_CONFIG_DIR")).absoluteFilePath());
    QFile keptFile(kept.front());
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    const board::ReadRecord keptRead = board::readRecord(QString::fromUtf8(keptFile.readAll()));
    QCOMPARE(keptRead.stoppedAtLine, 0);
    QCOMPARE(keptRead.games, read.games);
    const board::Squares end = board::replay(read.games[0]).back();
    for (int seat = 1; seat <= 2; ++seat)
        for (int chip = 1; chip <= 7; ++chip)
            QCOMPARE(end[seat - 1][chip - 1], int(t.server.game.chips(seat)[chip - 1]));

    // Opened in the viewer: stepping to the end shows the same board, and the
    // running game's board is left as it was.
    you.OpenGameRecord1->trigger();
    board::Trecordviewer* viewer = you.recordviewer;
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->step(), 0);
    viewer->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), viewer);
    QTest::keyClick(viewer, Qt::Key_End);
    QCOMPARE(viewer->step(), viewer->steps());
    QTest::keyClick(viewer, Qt::Key_Left);
    QCOMPARE(viewer->step(), viewer->steps() - 1);
    QTest::keyClick(viewer, Qt::Key_Right);
    QCOMPARE(viewer->shown(), end);
    // A screen reader in the viewer hears the step's board, not the start's.
    for (int seat = 1; seat <= 2; ++seat)
        for (int chip = 1; chip <= 7; ++chip)
            QCOMPARE(viewer->view->image_p(seat, chip)->accessibleName().endsWith("home pile"),
                     end[seat - 1][chip - 1] == 16);
    QVERIFY(viewer->view->panel_winner->isVisible());
    QVERIFY(viewer->label_problem->text().isEmpty());
    you.chipanimator->finishAll();
    for (int seat = 1; seat <= 2; ++seat)
        for (int chip = 1; chip <= 7; ++chip) {
            const int q = t.server.game.chips(seat)[chip - 1];
            QCOMPARE(viewer->view->image_p(seat, chip)->pos(),
                     board::placechipPosition(seat, chip, q));
            QCOMPARE(you.view->image_p(seat, chip)->pos(), board::placechipPosition(seat, chip, q));
        }
    viewer->stepStart();
    for (int chip = 1; chip <= 7; ++chip)
        QCOMPARE(you.turnflow->model().seatboards[0].chips[chip - 1],
                 int(t.server.game.chips(1)[chip - 1]));

    // The link under the game-over line opens the kept game with Expert's
    // review: every turn in which a chip could move is rated, a click on the
    // chart steps there, and a move that was not best shows the best one.
    QVERIFY(you.label_review->isVisible());
    emit you.label_review->linkActivated(QStringLiteral("review"));
    QCOMPARE(viewer->windowTitle(), "Game Record - " + QFileInfo(kept.front()).fileName());
    QCOMPARE(viewer->combo_kept->count(), 1);
    QTRY_VERIFY(viewer->review->ready());
    const std::vector<review::Turn> turns = board::reviewTurns(read.games[0]);
    int movable = 0;
    for (const review::Turn& turn : turns)
        movable += rules::legalChips(turn.before.of(turn.seat), turn.points) != 0;
    const review::Review& rated = viewer->review->result();
    QCOMPARE(int(rated.ratings.size()), movable);
    QCOMPARE(rated.seats[0].moves + rated.seats[1].moves, movable);
    QCOMPARE(int(rated.seat1Chance.size()), viewer->steps() + 1);
    board::ReviewChart* chart = viewer->review->chart;
    const QPointF at = chart->chart()->mapToPosition(QPointF(10, 50));
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, chart->mapFromScene(at));
    QCOMPARE(viewer->step(), 10);
    for (const review::Rating& r : rated.ratings) {
        viewer->stepTo(r.turn + 1);
        QCOMPARE(viewer->review->overlay->showing(), r.bestFrom != r.playedFrom);
        QVERIFY(viewer->review->label_move->text().contains(board::ReviewPanel::markText(r.mark)));
    }

    // The dice figures counted every throw the record holds.
    you.DiceStatistics1->trigger();
    QVERIFY(you.dicestatswindow && you.dicestatswindow->isVisible());
    const int throws = int(read.games[0].turns.size());
    QCOMPARE(you.dicestats.total(0), throws);
    int ownThrows = 0;
    for (const board::TurnRecord& turn : read.games[0].turns)
        ownThrows += turn.seat == 1;
    QCOMPARE(you.dicestats.total(1), ownThrows);
    QTableWidget* grid = you.dicestatswindow->grid;
    QCOMPARE(grid->item(5, 3)->text(), QString::number(throws));
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("You"));
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Klot"));
    QCOMPARE(grid->item(2, 4)->text(), QStringLiteral("37.5 %"));
    QVERIFY(you.dicestatswindow->label_test[2]->text().contains("p = "));

    // A damaged copy opens as far as it is whole and says where it stopped.
    QFile cut(file);
    QVERIFY(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
    cut.write(text.left(text.size() / 2).toUtf8());
    cut.close();
    you.OpenGameRecord1->trigger();
    QVERIFY(viewer->label_problem->text().startsWith("The record stops at line "));
    viewer->stepEnd();
    QVERIFY(viewer->steps() > 0 && viewer->steps() < throws);
}

void TestPlayComfort::keysDoNothingOutOfTurn() {
    Solo t(9);
    Tchat& you = t.you;
    QVERIFY(t.seated());
    you.mychat->setFocus();
    // Before a game: no roll, no move, nothing sent that the host answers.
    ctrl(you.mychat, Qt::Key_R);
    ctrl(you.mychat, Qt::Key_1);
    QTest::qWait(50);
    QVERIFY(!t.server.game.gameon());
    QVERIFY(you.view->label_error->text().isEmpty());
    ctrl(you.mychat, Qt::Key_G);
    QTRY_VERIFY(!you.view->button_roll->isHidden());
    // A chip key before the roll does nothing, like a click would.
    ctrl(you.mychat, Qt::Key_3);
    QVERIFY(!you.view->button_roll->isHidden());
    QVERIFY(you.hintoverlay->isHidden());
    ctrl(you.mychat, Qt::Key_R);
    QVERIFY(you.view->button_roll->isHidden());
    // Escape leaves the chat input for the transcript.
    QTest::keyClick(you.mychat, Qt::Key_Escape);
    QVERIFY(you.mainchat->hasFocus());
    QVERIFY(t.dialogs.shown.isEmpty());
}

void TestPlayComfort::menuMnemonicsAndSwitches() {
    Solo t(3);
    Tchat& you = t.you;
    // Every command has a mnemonic, and no two in one menu share it.
    std::function<void(QMenu*)> check = [&](QMenu* menu) {
        QString letters;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            const QString text = a->text();
            const auto amp = text.indexOf('&');
            QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
            const QChar c = text[amp + 1].toLower();
            QVERIFY2(!letters.contains(c), qPrintable(text));
            letters += c;
            if (a->menu()) check(a->menu());
        }
    };
    for (QAction* top : you.menuBar()->actions())
        check(top->menu());
    for (QMenu* menu : {you.popup_chat, you.popup_mychat, you.popup_kick})
        check(menu);
    QCOMPARE(you.StartGame1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));

    QVERIFY(t.seated());
    QVERIFY(you.ShowHints1->isChecked() && you.AnimateChips1->isChecked());
    QVERIFY(you.chipanimator->enabled());
    you.ShowHints1->trigger();
    QVERIFY(t.ini().contains("Showhints=false"));
    you.AnimateChips1->trigger();
    QVERIFY(t.ini().contains("Animatechips=false"));
    QVERIFY(!you.chipanimator->enabled());
    // Hints off: a roll of the own turn shows no glow.
    ctrl(&you, Qt::Key_G);
    QTRY_VERIFY(!you.view->button_roll->isHidden());
    ctrl(&you, Qt::Key_R);
    QTRY_VERIFY(you.turnflow->model().pending[0] > 0 || you.turnflow->model().whoseturn != 1);
    QVERIFY(you.hintoverlay->isHidden());
    // Read back at the next login.
    Tchat again({});
    again.settingsFolder = t.dir.path();
    again.loadinifile();
    QVERIFY(!again.ShowHints1->isChecked());
    QVERIFY(!again.AnimateChips1->isChecked());
    QVERIFY(!again.chipanimator->enabled());
}

// With the tutor on, a move that gives away 3 points or more is held back:
// the question names the loss, Rethink and Show Best send nothing, and only
// Play Anyway lets the move go.
void TestPlayComfort::tutorAsksBeforeAPoorMove() {
    Solo t(777);
    Tchat& you = t.you;
    QVERIFY(t.seated());
    you.Tutor1->trigger();
    QVERIFY(you.Tutor1->isChecked());
    you.mychat->setFocus();
    ctrl(you.mychat, Qt::Key_G);
    QTRY_VERIFY(t.server.game.gameon());
    QElapsedTimer clock;
    clock.start();
    bool asked = false;
    while (!asked && t.server.game.gameon() && clock.elapsed() < 120000) {
        const board::BoardModel& m = you.turnflow->model();
        if (!you.view->button_roll->isHidden()) {
            ctrl(you.mychat, Qt::Key_R);
        } else if (m.whoseturn == 1 && m.pending[0] > 0 && !you.hintoverlay->hints().empty()) {
            rules::Position pos;
            pos.of(1) = t.server.game.chips(1);
            pos.of(2) = t.server.game.chips(2);
            const int points = m.pending[0];
            const auto table = levels::perfectTable();
            const auto moves = levels::expertMoveValues(pos, 1, points, table.get());
            const auto best = std::max_element(moves.begin(), moves.end(),
                                               [](auto a, auto b) { return a.value < b.value; });
            const auto poor = std::find_if(moves.begin(), moves.end(), [&](auto v) {
                return (best->value - v.value) * 100 >= 3.0;
            });
            if (poor == moves.end()) {
                ctrl(you.mychat, Qt::Key(Qt::Key_0 + best->chip)); // asks nothing
                QTest::qWait(5);
                QVERIFY(t.dialogs.asked.isEmpty());
                continue;
            }
            asked = true;
            const auto before = t.server.game.chips(1);
            t.dialogs.answers = {1, 2};
            ctrl(you.mychat, Qt::Key(Qt::Key_0 + poor->chip)); // Rethink
            QCOMPARE(t.dialogs.asked.size(), 1);
            QVERIFY2(t.dialogs.asked[0].contains(
                         QString::number((best->value - poor->value) * 100, 'f', 1)),
                     qPrintable(t.dialogs.asked[0]));
            QVERIFY(t.dialogs.asked[0].endsWith("|Play Anyway|Rethink|Show Best"));
            ctrl(you.mychat, Qt::Key(Qt::Key_0 + poor->chip)); // Show Best
            QCOMPARE(t.dialogs.asked.size(), 2);
            QVERIFY(you.view->label_error->text().startsWith("Best: from "));
            QTest::qWait(100);
            QCOMPARE(t.server.game.chips(1), before); // nothing was sent
            QCOMPARE(m.pending[0], points);
            t.dialogs.answers = {0};
            ctrl(you.mychat, Qt::Key(Qt::Key_0 + poor->chip)); // Play Anyway
            QCOMPARE(t.dialogs.asked.size(), 3);
            QTRY_VERIFY(t.server.game.chips(1) != before);
            QCOMPARE(int(t.server.game.chips(1)[unsigned(poor->chip - 1)]), poor->from + points);
        }
        QTest::qWait(5);
    }
    QVERIFY2(asked, "no throw in the game left a move that gives away 3 points");
}

QTEST_MAIN(TestPlayComfort)
#include "test_play_comfort.moc"
