// The rules core judged case by case: the legal-move test and its codes, what
// a move does, the turn and phase gates of a game, and the computer's choice.
#include "dice.h"
#include "rules.h"
#include "rules_game.h"

#include <QStringList>
#include <QTest>

#include <cstdlib>

using namespace rules;

namespace {

// "14 16 16 16 16 16 16": the squares of chips 1 to 7; missing chips stand at start.
Chips chipsOf(const QString& text) {
    Chips c{};
    const QStringList parts = text.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size() && i < ChipCount; ++i)
        c[static_cast<unsigned>(i)] = static_cast<std::uint8_t>(parts[i].toInt());
    return c;
}

QString textOf(const Chips& c) {
    QStringList parts;
    for (std::uint8_t q : c)
        parts << QString::number(q);
    return parts.join(' ');
}

QString flagsOf(const MoveResult& m) {
    auto f = [](bool b) { return b ? 't' : 'f'; };
    return QString("%1%2%3%4").arg(f(m.entered)).arg(f(m.home)).arg(f(m.capture)).arg(f(m.rosette));
}

// A game whose current seat has rolled `points` and stands in the given position.
Game rolledGame(int seat, const Chips& mine, const Chips& theirs, int points) {
    Game g;
    g.startgame();
    if (seat == 2) {
        ScriptedDice none{0};
        g.rolldice(1, none);
        g.findplayer();
    }
    g.setChips(seat, mine);
    g.setChips(otherSeat(seat), theirs);
    ScriptedDice d{points};
    const RollOutcome r = g.rolldice(seat, d);
    Q_ASSERT(r.verdict == Verdict::Done);
    return g;
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void legalMoveTest_data();
    void legalMoveTest();
    void moveOutcome_data();
    void moveOutcome();
    void computerChoice_data();
    void computerChoice();
    void requestsOutOfTurnAreIgnored_data();
    void requestsOutOfTurnAreIgnored();
    void rollWithoutMovePassesNothingUntilFindplayer();
    void refusedMoveChangesNothing();
    void extraRollAndPass();
    void seventhChipHomeWins();
    void firstSeatAlternatesBetweenGames();
    void chipListForSnapshot();
    void diceAreFairAndIndependent();
};

void TestRules::legalMoveTest_data() {
    QTest::addColumn<QString>("chips");
    QTest::addColumn<int>("chip");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("code");

    QTest::newRow("enters on exactly 1") << "" << 1 << 1 << 0;
    QTest::newRow("no entry on 2") << "" << 1 << 2 << 2;
    QTest::newRow("no entry on 4") << "" << 3 << 4 << 2;
    QTest::newRow("entry square held by own chip") << "0 1" << 1 << 1 << 3;
    QTest::newRow("14 + 2 bears off") << "14" << 1 << 2 << 0;
    QTest::newRow("14 + 3 passes home") << "14" << 1 << 3 << 1;
    QTest::newRow("15 + 1 bears off among chips home") << "15 16 16" << 1 << 1 << 0;
    QTest::newRow("13 + 4 passes home") << "13" << 1 << 4 << 1;
    QTest::newRow("past home is judged before an own chip") << "13 0 0" << 1 << 4 << 1;
    QTest::newRow("start judged before an own chip on the target") << "0 2" << 1 << 2 << 2;
    QTest::newRow("own chip on 9 blocks") << "7 9" << 1 << 2 << 3;
    QTest::newRow("own chip on 15 blocks") << "12 15" << 1 << 3 << 3;
    QTest::newRow("own chips share rosette 4") << "2 4" << 1 << 2 << 0;
    QTest::newRow("own chips share rosette 8") << "6 8 8" << 1 << 2 << 0;
    QTest::newRow("own chips share rosette 12") << "10 12" << 1 << 2 << 0;
    QTest::newRow("own chips share rosette 14") << "11 14" << 1 << 3 << 0;
    QTest::newRow("chip 7 judged on its own square") << "0 0 0 0 0 0 5" << 7 << 3 << 0;
    QTest::newRow("no points is no move") << "3" << 1 << 0 << 4;
    QTest::newRow("five points is no move") << "3" << 1 << 5 << 4;
    QTest::newRow("chip 0 is no chip") << "3" << 0 << 1 << 4;
    QTest::newRow("chip 8 is no chip") << "3" << 8 << 1 << 4;
}

void TestRules::legalMoveTest() {
    QFETCH(QString, chips);
    QFETCH(int, chip);
    QFETCH(int, points);
    QFETCH(int, code);
    const Chips own = chipsOf(chips);
    QCOMPARE(static_cast<int>(checkmove(own, chip, points)), code);
    const bool inMask = isChip(chip) && ((legalChips(own, points) >> (chip - 1)) & 1u);
    QCOMPARE(inMask, code == 0);
}

void TestRules::moveOutcome_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<QString>("mine");
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<int>("chip");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("square");
    QTest::addColumn<QString>("flags"); // entered home capture rosette
    QTest::addColumn<QString>("theirsAfter");
    QTest::addColumn<int>("next"); // seat to roll next

    QTest::newRow("enter") << 1 << ""
                           << "" << 1 << 1 << 1 << "tfff"
                           << "0 0 0 0 0 0 0" << 1;
    QTest::newRow("plain step passes the turn") << 1 << "2"
                                                << "" << 1 << 1 << 3 << "ffff"
                                                << "0 0 0 0 0 0 0" << 2;
    QTest::newRow("rosette 4") << 2 << "1"
                               << "" << 1 << 3 << 4 << "ffft"
                               << "0 0 0 0 0 0 0" << 2;
    QTest::newRow("14 + 2 home") << 1 << "14"
                                 << "" << 1 << 2 << 16 << "ftft"
                                 << "0 0 0 0 0 0 0" << 1;
    QTest::newRow("11 sends back their 15") << 1 << "9"
                                            << "15 3" << 1 << 2 << 11 << "fftf"
                                            << "0 3 0 0 0 0 0" << 1;
    QTest::newRow("15 sends back their 11") << 1 << "13"
                                            << "11" << 1 << 2 << 15 << "fftf"
                                            << "0 0 0 0 0 0 0" << 1;
    QTest::newRow("seat 2 on 11 sends back seat 1's 15") << 2 << "10"
                                                         << "4 15" << 1 << 1 << 11 << "fftf"
                                                         << "4 0 0 0 0 0 0" << 2;
    QTest::newRow("13 sends back their 13") << 2 << "12"
                                            << "0 0 13" << 1 << 1 << 13 << "fftf"
                                            << "0 0 0 0 0 0 0" << 2;
    QTest::newRow("6 sends back their 6") << 1 << "3"
                                          << "6 5" << 1 << 3 << 6 << "fftf"
                                          << "0 5 0 0 0 0 0" << 1;
    QTest::newRow("their 11 is not our 11") << 1 << "9"
                                            << "11" << 1 << 2 << 11 << "ffff"
                                            << "11 0 0 0 0 0 0" << 2;
    QTest::newRow("12 shares the board square of their 14") << 1 << "10"
                                                            << "14" << 1 << 2 << 12 << "ffft"
                                                            << "14 0 0 0 0 0 0" << 1;
    QTest::newRow("14 shares the board square of their 12") << 2 << "13"
                                                            << "12" << 1 << 1 << 14 << "ffft"
                                                            << "12 0 0 0 0 0 0" << 2;
    QTest::newRow("rosette 8 is shared") << 1 << "5"
                                         << "8" << 1 << 3 << 8 << "ffft"
                                         << "8 0 0 0 0 0 0" << 1;
    QTest::newRow("own row squares are never shared") << 1 << "1"
                                                      << "3" << 1 << 2 << 3 << "ffff"
                                                      << "3 0 0 0 0 0 0" << 2;
    QTest::newRow("entering with their chip on their 1") << 1 << ""
                                                         << "1" << 1 << 1 << 1 << "tfff"
                                                         << "1 0 0 0 0 0 0" << 1;
    QTest::newRow("chips home are never touched") << 1 << "12"
                                                  << "16 16" << 1 << 4 << 16 << "ftft"
                                                  << "16 16 0 0 0 0 0" << 1;
}

void TestRules::moveOutcome() {
    QFETCH(int, seat);
    QFETCH(QString, mine);
    QFETCH(QString, theirs);
    QFETCH(int, chip);
    QFETCH(int, points);
    QFETCH(int, square);
    QFETCH(QString, flags);
    QFETCH(QString, theirsAfter);
    QFETCH(int, next);

    Game g = rolledGame(seat, chipsOf(mine), chipsOf(theirs), points);
    const MoveOutcome m = g.movepiece(seat, chip);
    QCOMPARE(m.verdict, Verdict::Done);
    QCOMPARE(int(m.move.square), square);
    QCOMPARE(flagsOf(m.move), flags);
    QCOMPARE(textOf(g.chips(otherSeat(seat))), theirsAfter);
    QCOMPARE(int(g.chips(seat)[static_cast<unsigned>(chip - 1)]), square);
    QCOMPARE(m.rollAgain, next == seat);
    QCOMPARE(m.nextplayer, next);
    QCOMPARE(g.currentplayer(), next);
    QCOMPARE(g.phase(next), 'r');
    QCOMPARE(g.phase(otherSeat(next)), 'n');

    // The moveback messages come from the victim list: exactly the chips that went back.
    const Chips before = chipsOf(theirs);
    const Chips after = g.chips(otherSeat(seat));
    int sentBack = 0;
    for (unsigned k = 0; k < ChipCount; ++k)
        if (before[k] != after[k]) {
            QVERIFY(sentBack < m.move.victimCount);
            QCOMPARE(int(m.move.victims[static_cast<unsigned>(sentBack++)]), int(k + 1));
        }
    QCOMPARE(sentBack, int(m.move.victimCount));
}

void TestRules::computerChoice_data() {
    QTest::addColumn<QString>("chips");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("chip");

    QTest::newRow("1 point, all at start: enter chip 1") << "" << 1 << 1;
    QTest::newRow("entry blocked: rule 2 moves the chip off 1") << "1" << 1 << 1;
    QTest::newRow("rule 3: 6 to 8 before 2 to 4, lowest chip") << "6 2" << 2 << 1;
    QTest::newRow("rule 4: no rosette in reach, lowest chip") << "0 0 10 0 6" << 3 << 3;
    QTest::newRow("rule 1 before a rosette") << "3" << 1 << 2;
    QTest::newRow("rule 2 before a rosette") << "6 1" << 2 << 2;
    QTest::newRow("rule 2 skips a blocked chip on 1") << "1 3 0" << 2 << 2;
    QTest::newRow("home counts as a rosette") << "6 13" << 3 << 2;
    QTest::newRow("nothing legal") << "0 0 0 0 0 0 0" << 2 << 0;
    QTest::newRow("no points, no move") << "5" << 0 << 0;
    QTest::newRow("rule 4 takes the lowest legal chip") << "16 15 9 11" << 2 << 4;
}

void TestRules::computerChoice() {
    QFETCH(QString, chips);
    QFETCH(int, points);
    QFETCH(int, chip);
    QCOMPARE(computermove(chipsOf(chips), points), chip);
}

void TestRules::requestsOutOfTurnAreIgnored_data() {
    QTest::addColumn<QString>("request"); // r<seat> roll, m<seat>.<chip> move
    QTest::addColumn<bool>("rolled");     // the current seat 1 has rolled 1 point first

    QTest::newRow("seat 2 rolls on seat 1's turn") << "r2" << false;
    QTest::newRow("seat 1 rolls twice") << "r1" << true;
    QTest::newRow("seat 3 rolls") << "r3" << false;
    QTest::newRow("seat 0 rolls") << "r0" << false;
    QTest::newRow("move before the roll") << "m1.1" << false;
    QTest::newRow("seat 2 moves on seat 1's turn") << "m2.1" << true;
    QTest::newRow("chip 0") << "m1.0" << true;
    QTest::newRow("chip 8") << "m1.8" << true;
}

void TestRules::requestsOutOfTurnAreIgnored() {
    QFETCH(QString, request);
    QFETCH(bool, rolled);
    Game g;
    QCOMPARE(g.startgame(), 1);
    ScriptedDice dice{1, 4};
    if (rolled) QCOMPARE(g.rolldice(1, dice).verdict, Verdict::Done);
    const Game before = g;
    const int left = dice.remaining();

    const int seat = request.mid(1, 1).toInt();
    if (request.startsWith('r'))
        QCOMPARE(g.rolldice(seat, dice).verdict, Verdict::Ignored);
    else
        QCOMPARE(g.movepiece(seat, request.mid(3).toInt()).verdict, Verdict::Ignored);
    QCOMPARE(dice.remaining(), left); // an ignored roll draws nothing
    QCOMPARE(g.phase(1), before.phase(1));
    QCOMPARE(g.roll(1), before.roll(1));
    QVERIFY(g.position() == before.position());
}

void TestRules::rollWithoutMovePassesNothingUntilFindplayer() {
    Game g;
    ScriptedDice dice{0, 2};
    QVERIFY(!g.rolldice(1, dice).canMove); // no game yet
    QCOMPARE(dice.remaining(), 2);

    g.startgame();
    const RollOutcome zero = g.rolldice(1, dice);
    QCOMPARE(zero.verdict, Verdict::Done);
    QCOMPARE(zero.points, 0);
    QVERIFY(!zero.canMove);
    QCOMPARE(g.phase(1), 'n');
    QCOMPARE(g.movepiece(1, 1).verdict, Verdict::Ignored); // a zero roll never moves
    QCOMPARE(g.currentplayer(), 1);                        // the pass timer hands it on

    QCOMPARE(g.findplayer(), 2);
    QCOMPARE(g.phase(2), 'r');
    const RollOutcome two = g.rolldice(2, dice);
    QCOMPARE(two.points, 2);
    QVERIFY(!two.canMove); // all at start, 2 points
    QCOMPARE(g.dice(), (Dice{1, 1, 0, 0}));
    QCOMPARE(g.roll(2), 2);
}

void TestRules::refusedMoveChangesNothing() {
    Game g = rolledGame(1, chipsOf("14 7 9"), chipsOf(""), 3);
    const MoveOutcome pastHome = g.movepiece(1, 1);
    QCOMPARE(pastHome.verdict, Verdict::Refused);
    QCOMPARE(pastHome.code, 1);
    const MoveOutcome blocked = g.movepiece(1, 4);
    QCOMPARE(blocked.code, 2);
    QCOMPARE(g.phase(1), 'm');
    QCOMPARE(textOf(g.chips(1)), QString("14 7 9 0 0 0 0"));
    // The seat may try another chip.
    QCOMPARE(g.movepiece(1, 2).verdict, Verdict::Done);
    QCOMPARE(textOf(g.chips(1)), QString("14 10 9 0 0 0 0"));
}

void TestRules::extraRollAndPass() {
    Game g;
    g.startgame();
    ScriptedDice dice{1, 2, 1};
    QVERIFY(g.rolldice(1, dice).canMove);
    const MoveOutcome enter = g.movepiece(1, 1);
    QVERIFY(enter.rollAgain);
    QCOMPARE(enter.nextplayer, 1);
    QCOMPARE(g.phase(1), 'r');
    QCOMPARE(g.movepiece(1, 1).verdict, Verdict::Ignored); // must roll first

    QVERIFY(g.rolldice(1, dice).canMove);
    const MoveOutcome step = g.movepiece(1, 1);
    QVERIFY(!step.rollAgain);
    QCOMPARE(step.nextplayer, 2);
    QCOMPARE(g.roll(2), 0);
    QCOMPARE(g.phase(1), 'n');
    QCOMPARE(g.rolldice(1, dice).verdict, Verdict::Ignored);
    QCOMPARE(g.rolldice(2, dice).points, 1);
}

void TestRules::seventhChipHomeWins() {
    Game g = rolledGame(2, chipsOf("16 16 16 14 16 16 16"), chipsOf("3 8"), 2);
    const MoveOutcome m = g.movepiece(2, 4);
    QVERIFY(m.win);
    QVERIFY(m.move.home);
    QCOMPARE(m.nextplayer, 0);
    QVERIFY(!m.rollAgain);
    QVERIFY(!g.gameon());
    QCOMPARE(g.phase(2), 'n');
    ScriptedDice dice{1};
    QCOMPARE(g.rolldice(2, dice).verdict, Verdict::Ignored);
    QCOMPARE(g.findplayer(), 0); // a late pass starts no turn after the end
    QCOMPARE(textOf(g.chips(1)), QString("3 8 0 0 0 0 0")); // the final position stays
}

void TestRules::firstSeatAlternatesBetweenGames() {
    Game g;
    QCOMPARE(g.startgame(), 1);
    g.setChips(1, chipsOf("3 5 9"));
    QCOMPARE(g.startgame(), 2); // a restart passes on from the current seat
    QVERIFY(g.chiplist().count == 0);
    QCOMPARE(g.phase(1), 'n');
    QCOMPARE(g.startgame(), 1);
}

void TestRules::chipListForSnapshot() {
    Game g;
    g.startgame();
    QCOMPARE(g.chiplist().count, 0);
    g.setChips(1, chipsOf("0 4 0 0 0 0 16"));
    g.setChips(2, chipsOf("11"));
    const ChipList list = g.chiplist();
    QCOMPARE(list.count, 3);
    const int expected[3][3] = {{1, 2, 4}, {1, 7, 16}, {2, 1, 11}};
    for (int i = 0; i < 3; ++i) {
        const ChipPlace& p = list.items[static_cast<unsigned>(i)];
        QCOMPARE(p.seat, expected[i][0]);
        QCOMPARE(p.chip, expected[i][1]);
        QCOMPARE(p.square, expected[i][2]);
    }
    g.setChips(1, chipsOf("17")); // never stored
    QCOMPARE(int(g.chips(1)[0]), 0);
}

void TestRules::diceAreFairAndIndependent() {
    // 64 000 throws: every die and every one of the 16 faces within 6 standard
    // deviations of its share, so a stuck or coupled die cannot pass.
    SeededDice source(20240607);
    const int n = 64000;
    int ones[4] = {};
    int faces[16] = {};
    for (int i = 0; i < n; ++i) {
        const Dice d = source.throwdice();
        int face = 0;
        for (unsigned k = 0; k < 4; ++k) {
            QVERIFY(d[k] <= 1);
            ones[k] += d[k];
            face |= d[k] << k;
        }
        ++faces[face];
    }
    for (int k = 0; k < 4; ++k)
        QVERIFY2(std::abs(ones[k] - n / 2) < 6 * 127, qPrintable(QString::number(ones[k])));
    for (int f = 0; f < 16; ++f)
        QVERIFY2(std::abs(faces[f] - n / 16) < 6 * 61, qPrintable(QString::number(faces[f])));

    RandomDice process;
    int total = 0;
    for (int i = 0; i < 1000; ++i)
        total += points(process.throwdice());
    QVERIFY(total > 1700 && total < 2300);
}

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
