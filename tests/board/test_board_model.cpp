// The route table, the chip placement geometry, the local move check and the
// board said in words from either side of the table.
#include "board_model.h"
#include "board_speech.h"

#include <QTest>

using namespace board;

class TestBoardModel : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void sharedCells_data();
    void sharedCells();
    void ownRowsAreNeverShared();
    void checkMove_data();
    void checkMove();
    void startState();
    void spokenCells_data();
    void spokenCells();
    void spokenPilesChipsDice();
};

void TestBoardModel::placement_data() {
    QTest::addColumn<int>("seat");
    QTest::addColumn<int>("chip");
    QTest::addColumn<int>("square");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("seat 1 chip 1 at start") << 1 << 1 << 0 << QPoint(159, 14);
    QTest::newRow("seat 1 chip 7 at start") << 1 << 7 << 0 << QPoint(129, 14);
    QTest::newRow("seat 2 chip 7 at start") << 2 << 7 << 0 << QPoint(129, 203);
    QTest::newRow("seat 1 chip 3 on 8") << 1 << 3 << 8 << QPoint(165, 96);
    QTest::newRow("seat 2 chip 3 on 8") << 2 << 3 << 8 << QPoint(173, 116);
    QTest::newRow("seat 2 chip 1 on 12") << 2 << 1 << 12 << QPoint(323, 68);
    QTest::newRow("seat 1 chip 7 home") << 1 << 7 << 16 << QPoint(303, 14);
    QTest::newRow("seat 1 chip 1 home") << 1 << 1 << 16 << QPoint(273, 14);
    QTest::newRow("seat 2 chip 1 home") << 2 << 1 << 16 << QPoint(273, 203);
    QTest::newRow("seat 1 chip 1 on 13") << 1 << 1 << 13 << QPoint(303, 96);
    QTest::newRow("seat 2 chip 1 on 13") << 2 << 1 << 13 << QPoint(323, 116);
    QTest::newRow("seat 1 chip 2 on 1") << 1 << 2 << 1 << QPoint(162, 48);
    QTest::newRow("seat 2 chip 2 on 1") << 2 << 2 << 1 << QPoint(176, 164);
    QTest::newRow("seat 1 chip 4 on 15") << 1 << 4 << 15 << QPoint(264, 48);
}

void TestBoardModel::placement() {
    QFETCH(int, seat);
    QFETCH(int, chip);
    QFETCH(int, square);
    QFETCH(QPoint, position);
    QCOMPARE(placechipPosition(seat, chip, square), position);
}

void TestBoardModel::sharedCells_data() {
    QTest::addColumn<int>("square1");
    QTest::addColumn<int>("square2");
    QTest::addColumn<Cell>("cell");
    for (int q = 5; q <= 10; ++q)
        QTest::addRow("middle %d", q) << q << q << Cell{q - 5, 1};
    QTest::newRow("11 meets 15") << 11 << 15 << Cell{5, 2};
    QTest::newRow("12 meets 14") << 12 << 14 << Cell{6, 2};
    QTest::newRow("13 meets 13") << 13 << 13 << Cell{6, 1};
    QTest::newRow("14 meets 12") << 14 << 12 << Cell{6, 0};
    QTest::newRow("15 meets 11") << 15 << 11 << Cell{5, 0};
}

void TestBoardModel::sharedCells() {
    QFETCH(int, square1);
    QFETCH(int, square2);
    QFETCH(Cell, cell);
    QCOMPARE(routeOf(1)[square1], cell);
    QCOMPARE(routeOf(2)[square2], cell);
    // A shared rosette is a rosette for both seats.
    QCOMPARE(isRosette(square1), isRosette(square2));
}

void TestBoardModel::ownRowsAreNeverShared() {
    for (int q = 1; q <= 4; ++q) {
        QCOMPARE(routeOf(1)[q].row, 0);
        QCOMPARE(routeOf(2)[q].row, 2);
        for (int other = 1; other <= 15; ++other)
            QVERIFY(!(routeOf(2)[other] == routeOf(1)[q]));
    }
    for (int seat = 1; seat <= 2; ++seat) {
        QCOMPARE(routeOf(seat)[0], Cell{});
        QCOMPARE(routeOf(seat)[16], Cell{});
        // Every board square is a real cell and the gap cells are never used.
        for (int q = 1; q <= 15; ++q) {
            const Cell c = routeOf(seat)[q];
            QVERIFY(c.column >= 0 && c.column <= 6 && c.row >= 0 && c.row <= 2);
            QVERIFY(c.row == 1 || c.column != 4);
        }
    }
}

void TestBoardModel::checkMove_data() {
    QTest::addColumn<QList<int>>("squares"); // chips 1..7
    QTest::addColumn<int>("chip");
    QTest::addColumn<int>("points");
    QTest::addColumn<MoveCheck>("verdict");
    const QList<int> start{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("no points") << start << 1 << 0 << MoveCheck::NoPoints;
    QTest::newRow("enter with 1") << start << 1 << 1 << MoveCheck::Allowed;
    QTest::newRow("enter with 2") << start << 1 << 2 << MoveCheck::NeedsOne;
    QTest::newRow("enter with 4") << start << 3 << 4 << MoveCheck::NeedsOne;
    QTest::newRow("14 + 2 bears off")
        << QList<int>{14, 0, 0, 0, 0, 0, 0} << 1 << 2 << MoveCheck::Allowed;
    QTest::newRow("14 + 3 is past home")
        << QList<int>{14, 0, 0, 0, 0, 0, 0} << 1 << 3 << MoveCheck::PastHome;
    QTest::newRow("two own on rosette 8")
        << QList<int>{6, 8, 0, 0, 0, 0, 0} << 1 << 2 << MoveCheck::Allowed;
    QTest::newRow("two own on 9 refused")
        << QList<int>{6, 9, 0, 0, 0, 0, 0} << 1 << 3 << MoveCheck::OwnChipThere;
    QTest::newRow("onto own chip on 1 refused")
        << QList<int>{0, 1, 0, 0, 0, 0, 0} << 1 << 1 << MoveCheck::OwnChipThere;
    QTest::newRow("home holds many")
        << QList<int>{13, 16, 16, 16, 0, 0, 0} << 1 << 3 << MoveCheck::Allowed;
    QTest::newRow("chip at home cannot move")
        << QList<int>{16, 0, 0, 0, 0, 0, 0} << 1 << 1 << MoveCheck::PastHome;
}

void TestBoardModel::checkMove() {
    QFETCH(QList<int>, squares);
    QFETCH(int, chip);
    QFETCH(int, points);
    QFETCH(MoveCheck, verdict);
    Tseatboard b;
    for (int i = 0; i < 7; ++i)
        b.chips[i] = squares[i];
    QCOMPARE(board::checkMove(b, chip, points), verdict);
}

void TestBoardModel::startState() {
    BoardModel m;
    QCOMPARE(m.whoseturn, 0);
    for (int seat = 1; seat <= 2; ++seat) {
        QCOMPARE(m.seat(seat).route, routeOf(seat));
        QCOMPARE(m.points(seat), 0);
        for (int chip = 1; chip <= 7; ++chip)
            QCOMPARE(m.square(seat, chip), 0);
    }
}

namespace {
BoardModel placed(const QList<int>& seat1, const QList<int>& seat2) {
    BoardModel m;
    for (int i = 0; i < 7; ++i) {
        m.square(1, i + 1) = seat1.value(i);
        m.square(2, i + 1) = seat2.value(i);
    }
    return m;
}
} // namespace

void TestBoardModel::spokenCells_data() {
    // Where a reader's words could lie: the routes cross on the right-hand
    // block, so one cell has two numbers; a watcher counts as seat 1.
    QTest::addColumn<int>("own");
    QTest::addColumn<QList<int>>("seat1");
    QTest::addColumn<QList<int>>("seat2");
    QTest::addColumn<int>("points"); // the reader's throw, 0 for none
    QTest::addColumn<Cell>("cell");
    QTest::addColumn<QString>("said");
    const QList<int> none{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("own chip") << 1 << QList<int>{0, 0, 5} << none << 0 << Cell{0, 1}
                              << "Square 5, your chip 3";
    QTest::newRow("opponent on the crossing")
        << 1 << none << QList<int>{0, 11} << 0 << Cell{5, 0} << "Square 15, Klot's chip";
    QTest::newRow("the same cell for seat 2")
        << 2 << none << QList<int>{0, 11} << 0 << Cell{5, 0} << "Square 11, your chip 2";
    QTest::newRow("the opponent's own row")
        << 1 << none << QList<int>{1} << 0 << Cell{3, 2} << "Klot's square 1, Klot's chip";
    QTest::newRow("seat 2 counts its own row")
        << 2 << QList<int>{1} << none << 0 << Cell{3, 2} << "Square 1, empty";
    QTest::newRow("watcher counts as seat 1")
        << 0 << none << QList<int>{0, 0, 0, 15} << 0 << Cell{5, 2} << "Square 11, Klot's chip";
    QTest::newRow("watcher names seat 1 too")
        << 0 << QList<int>{2} << none << 0 << Cell{2, 0} << "Square 2, Ann's chip";
    QTest::newRow("two own chips share a rosette and a move")
        << 1 << QList<int>{8, 8} << none << 2 << Cell{3, 1}
        << "Square 8, rosette, your chips 1 and 2, may move to square 10";
    QTest::newRow("both seats on the middle rosette")
        << 1 << QList<int>{8} << QList<int>{0, 0, 8, 8} << 0 << Cell{3, 1}
        << "Square 8, rosette, your chip 1, Klot's 2 chips";
    QTest::newRow("blocked by an own chip: no move said")
        << 1 << QList<int>{6, 9} << none << 3 << Cell{1, 1} << "Square 6, your chip 1";
    QTest::newRow("bearing off") << 1 << QList<int>{0, 0, 0, 0, 14} << none << 2 << Cell{6, 0}
                                 << "Square 14, rosette, your chip 5, may move home";
    QTest::newRow("seat 1's chip seen from seat 2")
        << 2 << QList<int>{5} << QList<int>{} << 0 << Cell{0, 1} << "Square 5, Ann's chip";
    QTest::newRow("gap") << 1 << none << none << 0 << Cell{4, 0} << "No square";
}

void TestBoardModel::spokenCells() {
    QFETCH(int, own);
    QFETCH(QList<int>, seat1);
    QFETCH(QList<int>, seat2);
    QFETCH(int, points);
    QFETCH(Cell, cell);
    QFETCH(QString, said);
    const BoardModel m = placed(seat1, seat2);
    Reader r{&m, own, {QStringLiteral("Ann"), QStringLiteral("Klot")}, {}};
    if (points) r.moves = legalHints(m, own, points);
    QCOMPARE(BoardSpeech::cell(r, cell), said);
}

void TestBoardModel::spokenPilesChipsDice() {
    const BoardModel m = placed({0, 0, 16, 3}, {0, 16, 16, 0, 0, 0, 0});
    Reader r{&m, 1, {QStringLiteral("You"), QStringLiteral("Klot")}, legalHints(m, 1, 1)};
    QCOMPARE(BoardSpeech::pile(r, 1, false), "Your start pile: 5 chips, may move to square 1");
    QCOMPARE(BoardSpeech::pile(r, 1, true), "Your home pile: 1 chip");
    QCOMPARE(BoardSpeech::pile(r, 2, true), "Klot's home pile: 2 chips");
    QCOMPARE(BoardSpeech::chip(r, 1, 4), "Your chip 4, on square 3, may move to square 4");
    QCOMPARE(BoardSpeech::chip(r, 1, 3), "Your chip 3, in the home pile");
    QCOMPARE(BoardSpeech::chip(r, 2, 1), "Klot's chip 1, in the start pile");
    r.moves.clear();
    QCOMPARE(BoardSpeech::pile(r, 1, false), "Your start pile: 5 chips");
    r.own = 0; // a watcher: nobody's chips are "yours"
    QCOMPARE(BoardSpeech::pile(r, 1, true), "You's home pile: 1 chip");
    QCOMPARE(BoardSpeech::row(r, 0), "You's row");
    QCOMPARE(BoardSpeech::dice({1, 0, 1, 1}), "Dice: 3 points");
    QCOMPARE(BoardSpeech::dice({0, 0, 1, 0}), "Dice: 1 point");
    QCOMPARE(BoardSpeech::dice({0, 0, 0, 0}), "Dice: 0 points");
    QCOMPARE(BoardSpeech::dice({-1, -1, -1, -1}), "Dice: not thrown yet");
    QCOMPARE(BoardSpeech::die(2, 1), "Die 2: marked tip up");
}

QTEST_GUILESS_MAIN(TestBoardModel)
#include "test_board_model.moc"
