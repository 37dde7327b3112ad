// The route table, the chip placement geometry and the local move check.
#include "board_model.h"

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

QTEST_GUILESS_MAIN(TestBoardModel)
#include "test_board_model.moc"
