// The deciding parts of the play comforts: hints held against the host's
// legal-move test, the dice figures' arithmetic, and the game record written,
// read back and replayed, whole and damaged.
#include "dice_stats.h"
#include "game_archive.h"
#include "game_record.h"
#include "hints.h"
#include "rules.h"

#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace board;

namespace {
BoardModel modelOf(const rules::Position& pos) {
    BoardModel m;
    for (int seat = 1; seat <= 2; ++seat)
        for (int chip = 1; chip <= 7; ++chip)
            m.square(seat, chip) = pos.of(seat)[chip - 1];
    return m;
}

// Hints and the rules core must name the same chips, and each hint the
// square the host would put the chip on.
void compareWithRules(const rules::Position& pos) {
    const BoardModel m = modelOf(pos);
    for (int seat = 1; seat <= 2; ++seat)
        for (int points = 0; points <= 4; ++points) {
            const std::uint8_t legal = rules::legalChips(pos.of(seat), points);
            std::uint8_t hinted = 0;
            for (const Hint& h : legalHints(m, seat, points)) {
                hinted |= std::uint8_t(1u << (h.chip - 1));
                rules::Position after = pos;
                const rules::MoveResult r = rules::applymove(after, seat, h.chip, points);
                QCOMPARE(h.from, int(pos.of(seat)[h.chip - 1]));
                QCOMPARE(h.to, int(r.square));
            }
            QCOMPARE(hinted, legal);
        }
}

// Host messages for one move of the rules core, as the client receives them.
void feedMove(GameRecord& rec, rules::Position& pos, int seat, int chip, int points,
              const std::array<int, 4>& dice, const std::array<QString, 2>& names) {
    rec.feed("CMD_hisroll",
             QStringLiteral("%1+%2+%3+%4+%5+%6+")
                 .arg(seat)
                 .arg(dice[0])
                 .arg(dice[1])
                 .arg(dice[2])
                 .arg(dice[3])
                 .arg(points),
             names);
    if (!chip) return;
    const rules::MoveResult r = rules::applymove(pos, seat, chip, points);
    for (int i = 0; i < r.victimCount; ++i)
        rec.feed("CMD_moveback",
                 QStringLiteral("%1+%2+%3+").arg(seat).arg(3 - seat).arg(r.victims[i]), names);
    const auto f = [](bool b) { return b ? QStringLiteral("t") : QStringLiteral("f"); };
    rec.feed("CMD_moveit",
             QStringLiteral("%1+%2+%3+%4+%5+%6+%7+")
                 .arg(seat)
                 .arg(chip)
                 .arg(r.square)
                 .arg(f(r.entered), f(r.home), f(r.capture), f(r.rosette)),
             names);
}

// A whole game of the computer against itself, fed to a record.
rules::Position playInto(GameRecord& rec, unsigned seed) {
    const std::array<QString, 2> names{QStringLiteral("Ann Lee"), QStringLiteral("Klot")};
    rec.feed("CMD_startgame", "Ann Lee+", names);
    std::mt19937 rng(seed);
    rules::Position pos;
    int seat = 1;
    for (int guard = 0; guard < 5000; ++guard) {
        std::array<int, 4> dice{};
        int points = 0;
        for (int& d : dice)
            points += d = int(rng() & 1u);
        const int chip = rules::computermove(pos.of(seat), points);
        const rules::Position before = pos;
        feedMove(rec, pos, seat, chip, points, dice, names);
        if (chip && rules::checkforwin(pos.of(seat))) {
            rec.feed("CMD_winner", QStringLiteral("%1+").arg(seat), names);
            return pos;
        }
        rules::Position probe = before;
        if (!chip || !rules::applymove(probe, seat, chip, points).rollAgain()) seat = 3 - seat;
    }
    return pos;
}
} // namespace

class TestComfortCore : public QObject {
    Q_OBJECT
private slots:
    void hintsMatchTheRules_data();
    void hintsMatchTheRules();
    void hintsMatchTheRulesInPlayedGames();
    void hintsOnlyOnTheOwnMove();
    void diceFigures();
    void recordRoundTrip();
    void recordKeepsTheLastGame();
    void keptGamesStayTheNewest();
    void damagedRecords_data();
    void damagedRecords();
    void mangledRecordsReadSafely();
};

void TestComfortCore::hintsMatchTheRules_data() {
    QTest::addColumn<QList<int>>("own");
    QTest::addColumn<QList<int>>("other");
    // start pile: only a 1 enters, and every chip at start may be the one
    QTest::newRow("all at start") << QList<int>{0, 0, 0, 0, 0, 0, 0}
                                  << QList<int>{0, 0, 0, 0, 0, 0, 0};
    // own chips block plain squares but share the rosettes 4, 8, 12, 14
    QTest::newRow("blocked squares")
        << QList<int>{1, 2, 3, 5, 7, 9, 0} << QList<int>{5, 6, 0, 0, 0, 0, 0};
    QTest::newRow("rosettes shared")
        << QList<int>{4, 6, 8, 10, 12, 13, 2} << QList<int>{8, 12, 14, 0, 0, 0, 0};
    // bearing off needs the exact count; home holds any number
    QTest::newRow("bearing off") << QList<int>{16, 16, 15, 14, 13, 12, 16}
                                 << QList<int>{11, 15, 13, 0, 0, 0, 0};
    QTest::newRow("crowded end") << QList<int>{11, 12, 13, 14, 15, 16, 10}
                                 << QList<int>{16, 16, 16, 16, 16, 16, 16};
}

void TestComfortCore::hintsMatchTheRules() {
    QFETCH(QList<int>, own);
    QFETCH(QList<int>, other);
    rules::Position pos;
    for (int i = 0; i < 7; ++i) {
        pos.of(1)[i] = std::uint8_t(own[i]);
        pos.of(2)[i] = std::uint8_t(other[i]);
    }
    compareWithRules(pos);
}

void TestComfortCore::hintsMatchTheRulesInPlayedGames() {
    std::mt19937 rng(1208);
    for (int game = 0; game < 40; ++game) {
        rules::Position pos;
        int seat = 1;
        for (int turn = 0; turn < 400; ++turn) {
            compareWithRules(pos);
            if (QTest::currentTestFailed()) return;
            int points = 0;
            for (int d = 0; d < 4; ++d)
                points += int(rng() & 1u);
            // A random legal chip, so positions stray from the computer's habits.
            const std::uint8_t legal = rules::legalChips(pos.of(seat), points);
            std::vector<int> chips;
            for (int c = 1; c <= 7; ++c)
                if (legal & (1u << (c - 1))) chips.push_back(c);
            if (!chips.empty()) {
                const int chip = chips[rng() % chips.size()];
                const bool again = rules::applymove(pos, seat, chip, points).rollAgain();
                if (rules::checkforwin(pos.of(seat))) break;
                if (again) continue;
            }
            seat = 3 - seat;
        }
    }
}

void TestComfortCore::hintsOnlyOnTheOwnMove() {
    BoardModel m;
    m.whoseturn = 1;
    m.points(1) = 1;
    QCOMPARE(hintsForPlayer(m, 1, false, false).size(), std::size_t(7));
    QVERIFY(hintsForPlayer(m, 1, true, false).empty());  // roll button still shown
    QVERIFY(hintsForPlayer(m, 1, false, true).empty());  // just watching
    QVERIFY(hintsForPlayer(m, 2, false, false).empty()); // the other seat's move
    QVERIFY(hintsForPlayer(m, 0, false, false).empty()); // no seat yet
    m.whoseturn = 0;                                     // a move is on its way to the host
    QVERIFY(hintsForPlayer(m, 1, false, false).empty());
    // Seat 1 handed over: connection 3 moves seat 1's chips.
    m.whoseturn = 3;
    const auto handed = hintsForPlayer(m, 3, false, false);
    QCOMPARE(handed.size(), std::size_t(7));
    QCOMPARE(handed.front(), (Hint{1, 0, 1}));
    // A watcher's connection number names no seat.
    m.whoseturn = 5;
    QVERIFY(hintsForPlayer(m, 5, false, false).empty());
    m.whoseturn = 1;
    m.points(1) = 2; // nothing may enter with 2
    QVERIFY(hintsForPlayer(m, 1, false, false).empty());
}

void TestComfortCore::diceFigures() {
    DiceStats s;
    QCOMPARE(s.pValue(0), 1.0);
    QCOMPARE(s.share(1, 2), 0.0);
    // Exactly the fair proportions: chi-square 0, p-value 1.
    const int fair[5] = {1, 4, 6, 4, 1};
    for (int sum = 0; sum < 5; ++sum)
        for (int i = 0; i < fair[sum] * 10; ++i)
            s.add(1, sum);
    QCOMPARE(s.total(1), 160);
    QCOMPARE(s.share(1, 2), 0.375);
    QCOMPARE(s.chiSquare(1), 0.0);
    QCOMPARE(s.pValue(1), 1.0);
    // Seat 2 throws nothing but 4s: (n - n/16)^2/(n/16) + the other sums' n*p.
    for (int i = 0; i < 16; ++i)
        s.add(2, 4);
    QCOMPARE(s.total(2), 16);
    QCOMPARE(s.chiSquare(2), 15.0 * 15.0 / 1.0 + 1 + 4 + 6 + 4);
    QVERIFY(s.pValue(2) < 1e-40);
    QCOMPARE(s.count(0, 4), 26);
    QCOMPARE(s.total(0), 176);
    // Out of range throws are not counted.
    s.add(3, 1);
    s.add(1, 5);
    s.add(1, -1);
    QCOMPARE(s.total(0), 176);
    // The tail of chi-square with 4 degrees of freedom at known points.
    QVERIFY(qAbs(DiceStats::chiSquareTail4(9.4877) - 0.05) < 1e-4);
    QVERIFY(qAbs(DiceStats::chiSquareTail4(13.2767) - 0.01) < 1e-4);
    QVERIFY(qAbs(DiceStats::chiSquareTail4(3.3567) - 0.50) < 1e-4);
}

void TestComfortCore::recordRoundTrip() {
    for (unsigned seed : {1u, 2u, 77u}) {
        GameRecord rec;
        const rules::Position end = playInto(rec, seed);
        QVERIFY(rec.current() && rec.current()->winner);
        const QString text = rec.text();
        QVERIFY(text.startsWith(GameRecord::Header + '\n'));
        const ReadRecord back = readRecord(text);
        QCOMPARE(back.stoppedAtLine, 0);
        QCOMPARE(back.games.size(), std::size_t(1));
        QCOMPARE(back.games[0], *rec.current());
        QCOMPARE(back.games[0].names[0], QStringLiteral("Ann Lee"));
        const std::vector<Squares> steps = replay(back.games[0]);
        QCOMPARE(steps.size(), back.games[0].turns.size() + 1);
        for (int seat = 1; seat <= 2; ++seat)
            for (int chip = 1; chip <= 7; ++chip)
                QCOMPARE(steps.back()[seat - 1][chip - 1], int(end.of(seat)[chip - 1]));
    }
}

void TestComfortCore::recordKeepsTheLastGame() {
    GameRecord rec;
    QVERIFY(rec.empty());
    // Messages before any game started are not a game.
    rec.feed("CMD_hisroll", "1+1+0+0+0+1+", {});
    QVERIFY(rec.empty());
    playInto(rec, 5);
    const RecordedGame first = *rec.current();
    rec.feed("CMD_startgame", "Bob+", {QStringLiteral("Bob"), QStringLiteral("Ann\nwinner 2")});
    // The game left unfinished by the new one is kept, once.
    QCOMPARE(rec.takeEnded(), std::optional<RecordedGame>(first));
    QVERIFY(!rec.takeEnded());
    rec.feed("CMD_hisroll", "2+1+0+0+0+1+", {});
    rec.feed("CMD_moveit", "2+1+1+t+f+f+f+", {});
    // A field that is no number is skipped, not fatal.
    rec.feed("CMD_hisroll", "x+1+", {});
    QCOMPARE(*rec.last(), first);
    QCOMPARE(rec.current()->turns.size(), std::size_t(1));
    QCOMPARE(GameRecord::turnLine(rec.current()->turns[0]), "turn 2 1000 1 1 0 1 - no yes");
    // The file holds both, the last first; the unfinished one says so.
    const ReadRecord back = readRecord(rec.text());
    QCOMPARE(back.games.size(), std::size_t(2));
    QCOMPARE(back.games[1].starter, QStringLiteral("Bob"));
    // A line break in a name stays inside its line.
    QCOMPARE(back.games[1].names[1], QStringLiteral("Ann winner 2"));
    QVERIFY(back.problem.contains("not finished"));
    // A window closed now keeps the game as it stands.
    QVERIFY(rec.unfinished() && rec.unfinished()->turns.size() == 1);
    // The host ending it without a winner keeps it too, and only once.
    rec.feed("CMD_giveback", "Bob+", {});
    const std::optional<RecordedGame> ended = rec.takeEnded();
    QVERIFY(ended && !ended->winner && ended->turns.size() == 1);
    QVERIFY(!rec.unfinished()); // kept already: a close now keeps nothing more
    rec.feed("CMD_startgame", "Bob+", {});
    QVERIFY(!rec.takeEnded());
    QVERIFY(!rec.unfinished()); // no turn yet: nothing worth keeping
    // Turns missed while the line was down: what was seen is kept once, and
    // nothing of that game is written afterwards.
    rec.feed("CMD_hisroll", "1+1+0+0+0+1+", {});
    rec.feed("CMD_moveit", "1+1+1+t+f+f+f+", {});
    QVERIFY(rec.unfinished());
    rec.breakOff();
    const std::optional<RecordedGame> brokenOff = rec.takeEnded();
    QVERIFY(brokenOff && !brokenOff->winner && !brokenOff->turns.empty());
    QVERIFY(!rec.unfinished() && !rec.current());
    rec.feed("CMD_hisroll", "2+1+0+0+0+1+", {});
    QVERIFY(!rec.current() && !rec.takeEnded());
}

void TestComfortCore::keptGamesStayTheNewest() {
    QTemporaryDir dir;
    const RecordedGame g{QStringLiteral("Ann"), {QStringLiteral("Ann"), QStringLiteral("K/l:ot")}, {}, 0};
    QFile foreign(dir.filePath("notes.txt"));
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.close();
    const QDateTime t0(QDate(2026, 12, 9), QTime(10, 0));
    QString oldest;
    for (int i = 0; i < KeptGames + 3; ++i) {
        const QString path = keepGame(dir.path(), g, t0.addSecs(i));
        QVERIFY(!path.isEmpty());
        if (i == 0) oldest = path;
    }
    const QStringList kept = keptGames(dir.path());
    QCOMPARE(kept.size(), KeptGames);
    QCOMPARE(QFileInfo(kept.front()).fileName(), QStringLiteral("20261209-100822-Ann-K_l_ot.txt"));
    QVERIFY(!QFile::exists(oldest));
    QVERIFY(QFile::exists(dir.filePath("notes.txt"))); // not ours to prune
    QFile back(kept.front());
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(readRecord(QString::fromUtf8(back.readAll())).games.front(), g);
    // Two games ended in the same second are both kept.
    const QString twin = keepGame(dir.path(), g, t0.addSecs(KeptGames + 2));
    QVERIFY(!twin.isEmpty() && twin != kept.front() && QFile::exists(kept.front()));
}

void TestComfortCore::damagedRecords_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stoppedAt");
    QTest::addColumn<int>("turnsKept");
    const QString head = "# record\ngame Ann\nseat 1 Ann\nseat 2 Klot\n"
                         "turn 1 1000 1 1 0 1 - no yes\nturn 1 1100 2 1 1 3 - no no\n";
    QTest::newRow("whole but unfinished") << head << 7 << 2;
    QTest::newRow("cut in a line") << head + "turn 2 01" << 7 << 2;
    QTest::newRow("points not the dice") << head + "turn 2 0110 3 - - - - no no\n" << 7 << 2;
    QTest::newRow("chip not there") << head + "turn 2 1000 1 1 3 4 - no no\n" << 7 << 2;
    QTest::newRow("illegal move") << head + "turn 1 1100 2 2 0 2 - no no\n" << 7 << 2;
    QTest::newRow("nothing to send back") << head + "turn 2 1000 1 1 0 1 2 no yes\n" << 7 << 2;
    QTest::newRow("unknown word") << head + "roll 2 1\n" << 7 << 2;
    QTest::newRow("early winner") << head + "winner 1\n" << 7 << 2;
    QTest::newRow("no game") << QString("turn 1 1000 1 1 0 1 - no yes\n") << 1 << 0;
    QTest::newRow("empty") << QString() << 1 << 0;
    QTest::newRow("binary") << QString::fromLatin1("\x01\x02garbage\xff") << 1 << 0;
}

void TestComfortCore::damagedRecords() {
    QFETCH(QString, text);
    QFETCH(int, stoppedAt);
    QFETCH(int, turnsKept);
    const ReadRecord r = readRecord(text);
    QCOMPARE(r.stoppedAtLine, stoppedAt);
    QVERIFY(!r.problem.isEmpty());
    const int kept = r.games.empty() ? 0 : int(r.games.back().turns.size());
    QCOMPARE(kept, turnsKept);
    if (!r.games.empty()) QCOMPARE(replay(r.games.back()).size(), std::size_t(kept + 1));
}

// Any damage, anywhere: what is read is always a consistent game, and the
// reader says where it stopped.
void TestComfortCore::mangledRecordsReadSafely() {
    GameRecord rec;
    playInto(rec, 11);
    const QString whole = rec.text();
    const int lineCount = int(whole.count('\n'));
    std::mt19937 rng(7);
    const QString junk = QStringLiteral(" -+01234567899yesnoturngameseatwinner\n\x00\xff");
    for (int round = 0; round < 2000; ++round) {
        QString text = whole;
        for (int edits = 1 + int(rng() % 4); edits > 0; --edits) {
            const int at = int(rng() % unsigned(text.size()));
            switch (rng() % 3) {
            case 0:
                text.remove(at, 1 + int(rng() % 12));
                break;
            case 1:
                text.insert(at, junk[int(rng() % unsigned(junk.size()))]);
                break;
            default:
                text.truncate(at);
            }
        }
        const ReadRecord r = readRecord(text);
        QVERIFY(r.stoppedAtLine == 0 || !r.problem.isEmpty());
        QVERIFY(r.stoppedAtLine <= lineCount + 40);
        for (const RecordedGame& g : r.games) {
            QString problem;
            QCOMPARE(replay(g, &problem).size(), g.turns.size() + 1);
            QVERIFY(problem.isEmpty());
        }
    }
}

QTEST_GUILESS_MAIN(TestComfortCore)
#include "test_comfort_core.moc"
