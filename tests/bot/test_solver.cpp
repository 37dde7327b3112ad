// The exact solver on endgames small enough to check by hand, the position
// index it stands on, and the cache file's header refusing what it must.
#include "game_review.h"
#include "levels.h"
#include "solver.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

using namespace rules;
using namespace solver;

namespace {

Position endgame(int mine, int theirs) {
    Position p;
    p.of(1) = {Home, Home, Home, Home, Home, Home, static_cast<std::uint8_t>(mine)};
    p.of(2) = {Home, Home, Home, Home, Home, Home, static_cast<std::uint8_t>(theirs)};
    return p;
}

// Only the last layer: one chip each, six home each. Solved in milliseconds.
const Table& lastLayer() {
    static Table t = [] {
        Table table(12);
        build(table, nullptr, {}, 2, 1e-7);
        return table;
    }();
    return t;
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void endgameValues_data();
    void endgameValues();
    void sameValuesAsBefore();
    void indexRoundTrip();
    void indexRefusesImpossiblePositions();
    void levelsChoose();
    void throwLuck_data();
    void throwLuck();
    void reviewRatings_data();
    void reviewRatings();
    void cacheFile();
    void cacheRejects_data();
    void cacheRejects();
};

void TestSolver::endgameValues_data() {
    QTest::addColumn<int>("mine");
    QTest::addColumn<int>("theirs");
    QTest::addColumn<double>("expected");
    // Both on 15: only a 1 (4 in 16) bears off; v = 1/4 + 3/4 (1 - v).
    QTest::newRow("15 against 15") << 15 << 15 << 4.0 / 7;
    // On the rosette 14 against 15: a 2 wins, a 1 steps to 15 and hands the
    // throw over (3/7 for us then), anything else passes to a seat that wins
    // with a 1: a = 3/8 + 3/28 + 9a/32.
    QTest::newRow("14 against 15") << 14 << 15 << 108.0 / 161;
    // The mirror of the pass above: b = 1/4 + 3/4 (1 - a).
    QTest::newRow("15 against 14") << 15 << 14 << 1.0 - 3.0 / 4 * 108.0 / 161;
}

void TestSolver::endgameValues() {
    QFETCH(int, mine);
    QFETCH(int, theirs);
    QFETCH(double, expected);
    const double got = lastLayer().value(endgame(mine, theirs), 1);
    QVERIFY2(std::abs(got - expected) < 2.0 / Quantum,
             qPrintable(QString("%1 instead of %2").arg(got).arg(expected)));
    // Seen from seat 2 the same position is the mirror one.
    const double mirror = lastLayer().value(endgame(theirs, mine), 2);
    QCOMPARE(mirror, got);
}

void TestSolver::sameValuesAsBefore() {
    // Values the table held before its builder compiled each layer pair and
    // swept it in place: no value may move by more than one stored unit.
    Table nine(9);
    QVERIFY(build(nine, nullptr, {}));
    QFile file(QFINDTESTDATA("table_sample.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int checked = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QStringList f = line.split(' ');
        QCOMPARE(f.size(), 2 * ChipCount + 1);
        Position p;
        for (int i = 0; i < 2 * ChipCount; ++i)
            p.of(1 + i / ChipCount)[unsigned(i % ChipCount)] = std::uint8_t(f[i].toInt());
        const std::uint64_t at = nine.layout().index(p, 1);
        QVERIFY(at != NoIndex);
        QVERIFY2(std::abs(int(nine.values()[at]) - f.last().toInt()) <= 1, qPrintable(line));
        ++checked;
    }
    QCOMPARE(checked, 240);
}

void TestSolver::indexRoundTrip() {
    // Every index of the last three home sums maps to a position that maps
    // back to it: the layout neither overlaps nor leaves holes.
    const Layout L(10);
    QCOMPARE(L.size(), std::uint64_t{36581});
    for (std::uint64_t i = 0; i < L.size(); i += 7) {
        const Position p = L.position(i);
        QCOMPARE(L.index(p, 1), i);
    }
    // The full coverage counts what the design promises.
    QCOMPARE(Layout(4).size(), std::uint64_t{183031654});
    QCOMPARE(Layout(6).size(), std::uint64_t{20472304});
}

void TestSolver::indexRefusesImpossiblePositions() {
    const Layout L(10);
    Position p = endgame(15, 15);
    QVERIFY(L.index(p, 1) != NoIndex);
    QCOMPARE(L.index(p, 3), NoIndex); // no such seat
    p.of(1)[0] = 17;                  // off the route
    QCOMPARE(L.index(p, 1), NoIndex);
    p = endgame(9, 9);
    QCOMPARE(L.index(p, 1), NoIndex); // both seats on one cell
    p = endgame(11, 15);
    QCOMPARE(L.index(p, 1), NoIndex); // one seat's 11 is the other's 15
    p.of(1) = {Home, Home, Home, Home, Home, 3, 3};
    QCOMPARE(L.index(p, 1), NoIndex); // two own chips on a plain square
    p.of(1) = {Home, Home, Home, Home, Home, 8, 8};
    QVERIFY(L.index(p, 1) != NoIndex);               // but a rosette holds both
    QCOMPARE(L.index(endgame(Home, 3), 1), NoIndex); // the game is over
    QCOMPARE(Layout(12).index(endgame(3, 3), 2), Layout(12).index(endgame(3, 3), 1));
}

void TestSolver::levelsChoose() {
    using levels::Level;
    // Seat 1 with 3 points: its chip on 1 may reach the rosette 4, its chip
    // on 6 may send back seat 2's chip on 9; both throw again.
    Position p;
    p.of(1) = {1, 6, 0, 0, 0, 0, 0};
    p.of(2) = {9, 0, 0, 0, 0, 0, 0};
    QCOMPARE(levels::choose(Level::Klot, p, 1, 3, nullptr), 1); // clears the entry square
    const int strong = levels::choose(Level::Strong, p, 1, 3, nullptr);
    QVERIFY(strong == 1 || strong == 2);
    // Chips standing together give the same move: the lowest is named.
    p.of(1) = {0, 6, 0, 8, 8, 0, 0};
    QCOMPARE(levels::choose(Level::Strong, p, 1, 1, nullptr) % 3, 1); // chip 1 enters or 4 moves
    p.of(1) = {1, 6, 0, 0, 0, 0, 0};
    // Nothing to move, or nonsense asked: no chip.
    QCOMPARE(levels::choose(Level::Strong, p, 1, 0, nullptr), 0);
    QCOMPARE(levels::choose(Level::Strong, p, 1, 2 + 3, nullptr), 0);
    QCOMPARE(levels::choose(Level::Expert, p, 3, 1, nullptr), 0);
    // Within the table Expert follows the exact values: from 14 and 15 with
    // one point, stepping 14 to 15 is impossible, so 15 bears off and wins.
    Position end;
    end.of(1) = {Home, Home, Home, Home, Home, 14, 15};
    end.of(2) = {Home, Home, Home, Home, Home, Home, 3};
    static Table two = [] {
        Table t(11);
        build(t, nullptr, {}, 2, 1e-6);
        return t;
    }();
    QCOMPARE(levels::choose(Level::Expert, end, 1, 1, &two), 7);
    QCOMPARE(levels::chance(end, 1, 1, -1, &two), two.value(end, 1));
    QCOMPARE(levels::chance(end, 2, 1, -1, &two), 1.0 - two.value(end, 1));
}

// The luck of a throw: the chance after its best move less the average over
// the five sums. On the last layer it is known by hand from the closed forms
// above (14 against 15: a = 108/161; passing leaves 81/161, a step to 15
// leaves 3/7); a forced entry is checked against the table's own value.
void TestSolver::throwLuck_data() {
    QTest::addColumn<int>("mine");
    QTest::addColumn<int>("theirs");
    QTest::addColumn<int>("points");
    QTest::addColumn<double>("expected"); // in points; NaN: from the table
    QTest::newRow("a throw that wins at once") << 14 << 15 << 2 << 100.0 * 53 / 161;
    QTest::newRow("a step that hands the race over") << 14 << 15 << 1 << -100.0 * 39 / 161;
    QTest::newRow("a zero that hands the race over") << 14 << 15 << 0 << -100.0 * 27 / 161;
    QTest::newRow("no move with a four") << 14 << 15 << 4 << -100.0 * 27 / 161;
    QTest::newRow("a one bearing off against 15") << 15 << 15 << 1 << 100.0 * 3 / 7;
    QTest::newRow("a forced entry") << 0 << 15 << 1 << qQNaN();
}

void TestSolver::throwLuck() {
    QFETCH(int, mine);
    QFETCH(int, theirs);
    QFETCH(int, points);
    QFETCH(double, expected);
    const Position before = endgame(mine, theirs);
    if (qIsNaN(expected)) {
        // A chip enters with a one only, and throws again.
        Position after = before;
        applymove(after, 1, 7, points);
        expected = 100.0 * (lastLayer().value(after, 1) - lastLayer().value(before, 1));
    }
    const double got = review::luck(before, 1, points, &lastLayer());
    QVERIFY2(std::abs(got - expected) < 0.01,
             qPrintable(QString("%1 instead of %2").arg(got).arg(expected)));
    // Over the five sums, weighted as fair dice throw them, luck is nothing.
    double sum = 0;
    for (int p = 0; p <= MaxPoints; ++p)
        sum += std::array{1, 4, 6, 4, 1}[unsigned(p)] / 16.0 *
               review::luck(before, 1, p, &lastLayer());
    QVERIFY(std::abs(sum) < 1e-9);
}

void TestSolver::reviewRatings_data() {
    QTest::addColumn<QString>("mine");   // seat 1's chips not home
    QTest::addColumn<QString>("theirs"); // seat 2's
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("chip"); // played by seat 1
    QTest::addColumn<int>("bestFrom");
    QTest::addColumn<int>("choices");
    QTest::addColumn<QString>("mark");
    QTest::newRow("bearing off wins") << "13 15"
                                      << "3" << 1 << 7 << 15 << 2 << "best";
    QTest::newRow("forced") << "13"
                            << "5 9" << 2 << 7 << 13 << 1 << "best";
    QTest::newRow("a capture left for a step") << "9 14"
                                               << "10 15" << 1 << 7 << 9 << 2 << "blunder";
}

void TestSolver::reviewRatings() {
    QFETCH(QString, mine);
    QFETCH(QString, theirs);
    QFETCH(int, points);
    QFETCH(int, chip);
    QFETCH(int, bestFrom);
    QFETCH(int, choices);
    QFETCH(QString, mark);
    static Table ten = [] {
        Table t(10);
        build(t, nullptr, {}, 2, 1e-7);
        return t;
    }();
    review::Turn turn;
    const auto place = [](Chips& c, const QString& squares) {
        c.fill(Home);
        const QStringList q = squares.split(' ');
        for (qsizetype i = 0; i < q.size(); ++i)
            c[unsigned(ChipCount - q.size() + i)] = std::uint8_t(q[i].toInt());
    };
    place(turn.before.of(1), mine);
    place(turn.before.of(2), theirs);
    turn.seat = 1;
    turn.points = points;
    turn.chip = chip;
    review::Rating r;
    QVERIFY(review::rate(turn, &ten, r));
    // The exact chance after each move, read from the table itself.
    const auto exactAfter = [&](int c) {
        Position next = turn.before;
        const MoveResult m = applymove(next, 1, c, points);
        if (checkforwin(next.of(1))) return 1.0;
        return m.rollAgain() ? ten.value(next, 1) : 1.0 - ten.value(next, 2);
    };
    double best = 0;
    for (int c = 1; c <= ChipCount; ++c)
        if (checkmove(turn.before.of(1), c, points) == MoveError::None)
            best = std::max(best, exactAfter(c));
    QCOMPARE(r.choices, choices);
    QCOMPARE(r.bestFrom, bestFrom);
    QCOMPARE(r.playedFrom, int(turn.before.of(1)[unsigned(chip - 1)]));
    QVERIFY(std::abs(r.played - exactAfter(chip)) < 1e-9);
    QVERIFY(std::abs(r.best - best) < 1e-9);
    QCOMPARE(QString(review::markName(r.mark)), mark);
    if (mark == "best") QCOMPARE(r.bestFrom, r.playedFrom);
    // Nothing to move with no points: no rating at all.
    turn.points = 0;
    QVERIFY(!review::rate(turn, &ten, r));
}

void TestSolver::cacheFile() {
    QTemporaryDir dir;
    const std::string path = dir.filePath("t.tbl").toStdString();
    QVERIFY(save(lastLayer(), path));
    LoadError e = LoadError::Damaged;
    const auto back = load(path, &e, 12);
    QVERIFY(back);
    QCOMPARE(int(e), int(LoadError::None));
    QVERIFY(back->values() == lastLayer().values());
    QCOMPARE(back->sweeps, lastLayer().sweeps);
}

void TestSolver::cacheRejects_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("error");
    QTest::newRow("missing") << "missing" << int(LoadError::Missing);
    QTest::newRow("a value flipped") << "flip" << int(LoadError::Damaged);
    QTest::newRow("cut short") << "cut" << int(LoadError::Damaged);
    QTest::newRow("not a table") << "foreign" << int(LoadError::Foreign);
    QTest::newRow("empty file") << "empty" << int(LoadError::Foreign);
    QTest::newRow("other rules") << "digest" << int(LoadError::Stale);
    QTest::newRow("other format") << "version" << int(LoadError::Stale);
    QTest::newRow("other coverage") << "coverage" << int(LoadError::Stale);
}

void TestSolver::cacheRejects() {
    QFETCH(QString, damage);
    QFETCH(int, error);
    QTemporaryDir dir;
    const std::string path = dir.filePath("t.tbl").toStdString();
    QVERIFY(save(lastLayer(), path));
    auto poke = [&](std::streamoff at, char byte) {
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(at);
        f.put(byte);
    };
    int coverage = 12;
    if (damage == "missing") std::remove(path.c_str());
    if (damage == "flip") poke(56 + 100, 0x5A);
    if (damage == "cut") std::filesystem::resize_file(path, 56 + 10);
    if (damage == "foreign") std::ofstream(path, std::ios::binary) << "[Kelvoa]\nTop=3\n";
    if (damage == "empty") std::ofstream(path, std::ios::binary | std::ios::trunc);
    if (damage == "digest") poke(16, 0x11);
    if (damage == "version") poke(8, 9);
    if (damage == "coverage") coverage = 11;
    LoadError e = LoadError::None;
    QVERIFY(!load(path, &e, coverage));
    QCOMPARE(int(e), error);
}

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
