// Whole games through a real host on a loopback port, the computer playing
// both seats, every broadcast checked by a referee of its own: the rules are
// written again here, over board cells rather than the host's square table,
// so a fault in the host's tables shows as a disagreement.
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "dice.h"
#include "raw_client.h"
#include "tserver.h"

using Messages = QList<QByteArray>;

namespace {

// The board as three rows: each seat's own row and the shared middle row.
// A square of a seat's path lies on one cell; seat 1's 11 and 12 lie on
// seat 2's row where seat 2 counts 15 and 14, and the other way round.
struct Cell {
    int row; // 0 middle, else the seat whose row it is
    int col;
    friend bool operator==(const Cell&, const Cell&) = default;
};

Cell cellOf(int seat, int square) {
    const int other = 3 - seat;
    if ((square >= 5 && square <= 10) || square == 13) return {0, square};
    if (square == 11) return {other, 15};
    if (square == 12) return {other, 14};
    return {seat, square}; // 1 to 4, 14, 15, and start and home (never shared)
}

bool restsSafely(int square) {
    return square == 4 || square == 8 || square == 12 || square == 14 || square == 16;
}

class Referee {
public:
    // Checks one broadcast; returns what was wrong, or empty.
    QString feed(const QByteArray& message);

    int winner = 0;
    int moves = 0;
    int captures = 0;
    int unables = 0;
    std::array<std::array<int, 7>, 3> squares{}; // [seat][chip - 1]

private:
    enum class Expect { Start, Next, Roll, Unable, Move, Winner, Over };

    bool legal(int seat, int chip, int points) const {
        const int from = squares[seat][chip - 1];
        const int to = from + points;
        if (points < 1 || to > 16) return false;
        if (from == 0 && points != 1) return false;
        if (!restsSafely(to))
            for (int c = 1; c <= 7; ++c)
                if (c != chip && squares[seat][c - 1] == to) return false;
        return true;
    }
    bool anyLegal(int seat, int points) const {
        for (int c = 1; c <= 7; ++c)
            if (legal(seat, c, points)) return true;
        return false;
    }
    // The computer's preferences, first rule that finds a chip wins.
    int preferred(int seat, int points) const {
        auto first = [&](auto wanted) {
            for (int c = 1; c <= 7; ++c)
                if (legal(seat, c, points) && wanted(squares[seat][c - 1])) return c;
            return 0;
        };
        if (int c = points == 1 ? first([](int q) { return q == 0; }) : 0) return c;
        if (int c = first([](int q) { return q == 1; })) return c;
        if (int c = first([&](int q) { return restsSafely(q + points); })) return c;
        return first([](int) { return true; });
    }

    Expect expect = Expect::Start;
    int seat = 0;     // the seat last named to roll
    int nextSeat = 0; // the seat the next "nextplayer" must name
    int points = 0;   // of the roll waiting for a move
    std::vector<int> sentBack;
};

QString Referee::feed(const QByteArray& message) {
    const QList<QByteArray> f = message.split('+');
    const QByteArray& cmd = f[0];
    auto n = [&](int i) { return i < f.size() ? f[i].toInt() : -1; };
    auto fail = [&](const char* why) {
        return QStringLiteral("%1: %2").arg(QString::fromLatin1(message), QLatin1String(why));
    };
    const int other = 3 - seat;

    if (cmd == "CMD_justwatching" || cmd == "CMD_newplayerinfo" || cmd == "CMD_existingplayers")
        return {};
    if (cmd == "CMD_startgame") {
        if (expect != Expect::Start && expect != Expect::Over) return fail("start mid-game");
        squares = {};
        winner = 0;
        // Each later game opens with the seat after the last one to move.
        nextSeat = seat == 0 ? 1 : other;
        expect = Expect::Next;
        return {};
    }
    if (cmd == "CMD_gamestats") { // a watcher's snapshot of a game in progress
        if (expect != Expect::Start) return fail("snapshot mid-stream");
        seat = n(2);
        points = n(4);
        int p = 0;
        for (int i = 5; i <= 8; ++i)
            p += n(i);
        if (p != points && f[3] != "r") return fail("points differ from the dice");
        // "+*" when every chip is at start, else seat, chip, square per chip.
        if (f.value(9) != "*")
            for (int i = 9; i + 2 < f.size(); i += 3)
                squares[n(i)][n(i + 1) - 1] = n(i + 2);
        if (f[3] == "r")
            expect = Expect::Roll;
        else if (f[3] == "m")
            expect = Expect::Move;
        else
            expect = Expect::Next, nextSeat = 3 - seat;
        return {};
    }
    if (cmd == "CMD_nextplayer") {
        if (expect != Expect::Next || n(1) != nextSeat) return fail("wrong seat to roll");
        seat = n(1);
        expect = Expect::Roll;
        return {};
    }
    if (cmd == "CMD_hisroll") {
        if (expect != Expect::Roll || n(1) != seat) return fail("roll out of turn");
        int p = 0;
        for (int i = 2; i <= 5; ++i) {
            if (n(i) != 0 && n(i) != 1) return fail("a die is not 0 or 1");
            p += n(i);
        }
        if (n(6) != p) return fail("points differ from the dice");
        points = p;
        expect = anyLegal(seat, p) ? Expect::Move : Expect::Unable;
        return {};
    }
    if (cmd == "CMD_unable") {
        if (expect != Expect::Unable || n(1) != seat) return fail("unable although a move exists");
        ++unables;
        nextSeat = other;
        expect = Expect::Next;
        return {};
    }
    if (cmd == "CMD_moveback") {
        if (expect != Expect::Move || n(1) != seat || n(2) != other) return fail("stray moveback");
        sentBack.push_back(n(3));
        return {};
    }
    if (cmd == "CMD_moveit") {
        if (expect != Expect::Move || n(1) != seat) return fail("move out of turn");
        const int chip = n(2);
        if (chip < 1 || chip > 7 || !legal(seat, chip, points)) return fail("illegal move");
        if (chip != preferred(seat, points)) return fail("not the computer's choice");
        const int from = squares[seat][chip - 1];
        const int to = from + points;
        if (n(3) != to) return fail("square is not start plus points");
        std::vector<int> victims;
        if (!restsSafely(to))
            for (int c = 1; c <= 7; ++c) {
                const int q = squares[other][c - 1];
                if (q != 0 && q != 16 && cellOf(other, q) == cellOf(seat, to)) victims.push_back(c);
            }
        if (victims != sentBack) return fail("chips sent back differ");
        auto flag = [&](int i, bool want) { return f.value(i) == (want ? "t" : "f"); };
        const bool capture = !victims.empty();
        if (!flag(4, from == 0) || !flag(5, to == 16) || !flag(6, capture) ||
            !flag(7, restsSafely(to)))
            return fail("wrong flags");
        for (int c : victims)
            squares[other][c - 1] = 0;
        squares[seat][chip - 1] = to;
        sentBack.clear();
        ++moves;
        captures += capture ? 1 : 0;
        const bool won =
            std::all_of(squares[seat].begin(), squares[seat].end(), [](int q) { return q == 16; });
        if (won) {
            expect = Expect::Winner;
        } else {
            nextSeat = (from == 0 || to == 16 || capture || restsSafely(to)) ? seat : other;
            expect = Expect::Next;
        }
        return {};
    }
    if (cmd == "CMD_winner") {
        if (expect != Expect::Winner || n(1) != seat) return fail("wrong winner");
        winner = seat;
        expect = Expect::Over;
        return {};
    }
    return fail("unexpected message");
}

} // namespace

class TestWholeGames : public QObject {
    Q_OBJECT
private slots:
    void computerAgainstComputer();
};

void TestWholeGames::computerAgainstComputer() {
    constexpr int Games = 6;
    TServer server;
    rules::SeededDice dice(20240607);
    server.setDiceSource(&dice);
    server.setListening(true, "0");

    // Connection 1 hosts and watches; connection 2 holds seat 2 and watches,
    // so a late watcher can come in on connection 3 during the first game.
    RawClient host, second, late;
    QVERIFY(host.connectTo(server.listeningPort()));
    QCOMPARE(host.waitForPrefix("CMD_sendlogininfo+"), QByteArray("CMD_sendlogininfo+1"));
    host.send("CMD_logininfo+1+1.0.3+Alice");
    host.send("CMD_botspeed+1+1+");
    QVERIFY(second.connectTo(server.listeningPort()));
    QCOMPARE(second.waitForPrefix("CMD_sendlogininfo+"), QByteArray("CMD_sendlogininfo+2"));
    second.send("CMD_logininfo+2+1.0.3+Bob");
    QVERIFY(!second.waitForPrefix("CMD_existingplayers+1+Alice").isEmpty());
    QVERIFY(!host.waitForPrefix("CMD_newplayerinfo+2+Bob").isEmpty());
    QCOMPARE(server.botdelay, 1);
    host.take();
    second.take();

    Referee referee, lateReferee;
    bool lateHasSnapshot = false;
    std::array<int, 3> wins{};
    QElapsedTimer clock;
    clock.start();
    for (int game = 1; game <= Games; ++game) {
        host.send("CMD_startgame+Alice+");
        host.send("CMD_justwatch+1+1");
        host.send("CMD_justwatch+2+1");
        Messages seen, seenBySecond;
        bool lateJoined = game > 1;
        QElapsedTimer gameClock;
        gameClock.start();
        while (referee.winner == 0 || seen.isEmpty()) {
            QVERIFY2(gameClock.elapsed() < 15000, "the game did not end");
            for (const QByteArray& m : host.take()) {
                const QString wrong = referee.feed(m);
                QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
                seen << m;
            }
            if (!lateJoined && referee.moves >= 20) {
                lateJoined = true;
                QVERIFY(late.connectTo(server.listeningPort()));
                late.send("CMD_logininfo+3+1.0.3+Cy");
            }
            QTest::qWait(2);
        }
        QTest::qWait(50);
        QVERIFY(host.take().isEmpty()); // nothing after the winner
        QVERIFY(!server.Timer1.isActive() && !server.computertimer.isActive());
        seenBySecond = second.take();
        QCOMPARE(seenBySecond, seen);
        // The late watcher's snapshot and everything after it agree with the
        // rules, and its board ends where everybody else's does. Broadcasts
        // reach it from the moment it connects, so what comes before its
        // snapshot is history it cannot judge.
        for (const QByteArray& m : late.take()) {
            if (!lateHasSnapshot && !m.startsWith("CMD_gamestats+3+")) continue;
            lateHasSnapshot = true;
            const QString wrong = lateReferee.feed(m);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        }
        QVERIFY(lateHasSnapshot);
        QCOMPARE(lateReferee.winner, referee.winner);
        QCOMPARE(lateReferee.squares, referee.squares);
        ++wins[static_cast<unsigned>(referee.winner)];
        qInfo("game %d: seat %d won after %d moves, %d captures, %d rolls without a move", game,
              referee.winner, referee.moves, referee.captures, referee.unables);
        referee.winner = 0;
        referee.moves = referee.captures = referee.unables = 0;
    }
    qInfo("%d games in %lld ms", Games, static_cast<long long>(clock.elapsed()));
    QCOMPARE(wins[1] + wins[2], Games);
}

QTEST_GUILESS_MAIN(TestWholeGames)
#include "test_whole_games.moc"
