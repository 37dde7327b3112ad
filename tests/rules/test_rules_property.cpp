// Thousands of random games: a second, deliberately plain model of the race,
// which thinks in board cells rather than in route numbers, must agree with
// the rules core on every roll, every chip's legality and every move's outcome.
#include "dice.h"
#include "rules.h"
#include "rules_game.h"

#include <QTest>

#include <array>
#include <optional>
#include <random>
#include <vector>

using namespace rules;

namespace {

// ---- the plain model ----

// A board cell: the row (0 = seat 1's own row, 1 = the middle row, 2 = seat
// 2's own row) and a column label. The middle row is walked by both seats
// alike; each seat's far squares 11 and 12 lie in the other seat's row on the
// cells that seat calls 15 and 14.
struct Cell {
    int row, col;
    bool operator==(const Cell&) const = default;
};

std::optional<Cell> cellOf(int seat, int square) {
    const int ownRow = seat == 1 ? 0 : 2;
    const int farRow = seat == 1 ? 2 : 0;
    if (square < 1 || square > 15) return std::nullopt; // start and home are off the board
    if ((square >= 5 && square <= 10) || square == 13) return Cell{1, square};
    if (square == 11) return Cell{farRow, 15};
    if (square == 12) return Cell{farRow, 14};
    return Cell{ownRow, square};
}

bool rosetteCell(const Cell& c) {
    return (c.row != 1 && (c.col == 4 || c.col == 14)) || (c.row == 1 && c.col == 8);
}

struct Model {
    std::array<std::array<int, 7>, 3> sq{}; // [seat][chip-1]
};

// 0 legal, else the refusal: 1 beyond home, 2 entry without a 1, 3 own chip on a plain cell.
int modelCode(const Model& m, int seat, int chip, int points) {
    const int from = m.sq[seat][chip - 1];
    const int to = from + points;
    if (to > 16) return 1;
    if (from == 0 && points != 1) return 2;
    const auto target = cellOf(seat, to);
    if (target && !rosetteCell(*target))
        for (int k = 1; k <= 7; ++k)
            if (k != chip && cellOf(seat, m.sq[seat][k - 1]) == target) return 3;
    return 0;
}

struct ModelMove {
    int square;
    bool entered, home, capture, rosette;
    std::vector<int> victims;
    bool win, again;
};

ModelMove modelApply(Model& m, int seat, int chip, int points) {
    ModelMove r{};
    const int from = m.sq[seat][chip - 1];
    r.square = from + points;
    r.entered = from == 0;
    r.home = r.square == 16;
    const auto target = cellOf(seat, r.square);
    r.rosette = r.home || (target && rosetteCell(*target));
    const int other = 3 - seat;
    if (target && !rosetteCell(*target))
        for (int k = 1; k <= 7; ++k)
            if (cellOf(other, m.sq[other][k - 1]) == target) {
                m.sq[other][k - 1] = 0;
                r.victims.push_back(k);
            }
    r.capture = !r.victims.empty();
    m.sq[seat][chip - 1] = r.square;
    r.win = true;
    for (int q : m.sq[seat])
        r.win = r.win && q == 16;
    r.again = r.entered || r.home || r.capture || r.rosette;
    return r;
}

int modelComputer(const Model& m, int seat, int points) {
    auto legal = [&](int c) { return points > 0 && modelCode(m, seat, c, points) == 0; };
    if (points == 1)
        for (int c = 1; c <= 7; ++c)
            if (m.sq[seat][c - 1] == 0 && legal(c)) return c;
    for (int c = 1; c <= 7; ++c)
        if (m.sq[seat][c - 1] == 1 && legal(c)) return c;
    for (int c = 1; c <= 7; ++c) {
        const int to = m.sq[seat][c - 1] + points;
        const auto cell = cellOf(seat, to);
        if (legal(c) && (to == 16 || (cell && rosetteCell(*cell)))) return c;
    }
    for (int c = 1; c <= 7; ++c)
        if (legal(c)) return c;
    return 0;
}

bool samePosition(const Model& m, const Game& g) {
    for (int s = 1; s <= 2; ++s)
        for (int c = 1; c <= 7; ++c)
            if (m.sq[s][c - 1] != g.chips(s)[static_cast<unsigned>(c - 1)]) return false;
    return true;
}

} // namespace

class TestRulesProperty : public QObject {
    Q_OBJECT

private slots:
    void randomGamesAgreeWithPlainModel();
};

void TestRulesProperty::randomGamesAgreeWithPlainModel() {
    std::mt19937 rng(7772);
    auto coin = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int games = 3000;
    long moves = 0, captures = 0, refusals = 0;

    for (int game = 0; game < games; ++game) {
        Game g;
        Model m;
        int seat = g.startgame();
        bool over = false;
        for (int step = 0; !over; ++step) {
            QVERIFY2(step < 20000, "a game that never ends");
            QCOMPARE(g.currentplayer(), seat);
            QCOMPARE(g.phase(seat), 'r');

            // Uneven dice so that every count, 0 and 4 included, comes often.
            Dice d{};
            for (auto& die : d)
                die = static_cast<std::uint8_t>(coin(3) != 0 ? coin(2) : 1);
            const int points = d[0] + d[1] + d[2] + d[3];
            const RollOutcome roll = g.rolldice(seat, d);
            QCOMPARE(roll.verdict, Verdict::Done);
            QCOMPARE(roll.points, points);

            std::vector<int> legal, illegal;
            for (int c = 1; c <= 7; ++c) {
                const int code = points > 0 ? modelCode(m, seat, c, points) : 4;
                QCOMPARE(static_cast<int>(checkmove(g.chips(seat), c, points)), code);
                (code == 0 ? legal : illegal).push_back(c);
            }
            QCOMPARE(roll.canMove, !legal.empty());
            QCOMPARE(g.canmove(seat, points), !legal.empty());
            QCOMPARE(g.computermove(seat), modelComputer(m, seat, points));
            if (legal.empty()) {
                QCOMPARE(g.phase(seat), 'n');
                QCOMPARE(g.movepiece(seat, 1 + coin(7)).verdict, Verdict::Ignored);
                seat = 3 - seat;
                QCOMPARE(g.findplayer(), seat);
                continue;
            }

            if (!illegal.empty() && points > 0 && coin(4) == 0) {
                const int c =
                    illegal[static_cast<unsigned>(coin(static_cast<int>(illegal.size())))];
                const MoveOutcome refused = g.movepiece(seat, c);
                QCOMPARE(refused.verdict, Verdict::Refused);
                QCOMPARE(refused.code, modelCode(m, seat, c, points));
                QVERIFY(samePosition(m, g));
                QCOMPARE(g.phase(seat), 'm');
                ++refusals;
            }

            const int chip =
                coin(2) == 0 ? g.computermove(seat)
                             : legal[static_cast<unsigned>(coin(static_cast<int>(legal.size())))];
            const ModelMove want = modelApply(m, seat, chip, points);
            const MoveOutcome got = g.movepiece(seat, chip);
            ++moves;
            QCOMPARE(got.verdict, Verdict::Done);
            QCOMPARE(int(got.move.square), want.square);
            QCOMPARE(got.move.entered, want.entered);
            QCOMPARE(got.move.home, want.home);
            QCOMPARE(got.move.capture, want.capture);
            QCOMPARE(got.move.rosette, want.rosette);
            QCOMPARE(int(got.move.victimCount), int(want.victims.size()));
            for (unsigned i = 0; i < want.victims.size(); ++i)
                QCOMPARE(int(got.move.victims[i]), want.victims[i]);
            captures += want.capture;
            QVERIFY(samePosition(m, g));
            QCOMPARE(got.win, want.win);
            if (want.win) {
                QCOMPARE(got.nextplayer, 0);
                QVERIFY(!g.gameon());
                over = true;
            } else {
                QCOMPARE(got.rollAgain, want.again);
                if (!want.again) seat = 3 - seat;
                QCOMPARE(got.nextplayer, seat);
            }
        }
    }
    qInfo("%d games, %ld moves, %ld captures, %ld refusals agreed", games, moves, captures,
          refusals);
    QVERIFY(captures > games); // the captures really were exercised
}

QTEST_APPLESS_MAIN(TestRulesProperty)
#include "test_rules_property.moc"
