// The host's game through real loopback connections with scripted dice: the
// messages each request causes and their order, requests the host must
// ignore, the computer taking over a seat, its pacing, and the snapshot a
// late joiner gets.
#include <QElapsedTimer>
#include <QStringList>
#include <QTest>

#include <memory>
#include <vector>

#include "catalogue.h"
#include "dice.h"
#include "raw_client.h"
#include "tserver.h"

using Messages = QList<QByteArray>;

namespace {

// "14 16 16": the squares of chips 1, 2, 3...; missing chips stand at start.
rules::Chips chipsOf(const QString& text) {
    rules::Chips c{};
    const QStringList parts = text.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size() && i < rules::ChipCount; ++i)
        c[static_cast<unsigned>(i)] = static_cast<std::uint8_t>(parts[i].toInt());
    return c;
}

} // namespace

class TestTServerGame : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startAnnouncesFirstSeat_data();
    void startAnnouncesFirstSeat();
    void rollOutcomes_data();
    void rollOutcomes();
    void moveMessages_data();
    void moveMessages();
    void refusedMoveTellsMoverOnly_data();
    void refusedMoveTellsMoverOnly();
    void ignoredRequests_data();
    void ignoredRequests();
    void botspeedFromHostingUserOnly_data();
    void botspeedFromHostingUserOnly();
    void botskillFromHostingUserOnly_data();
    void botskillFromHostingUserOnly();
    void computerPlaysTheChosenLevel_data();
    void computerPlaysTheChosenLevel();
    void computerIdleBeforeBotspeed();
    void computerTakesOver_data();
    void computerTakesOver();
    void humanTakesSeatBackBeforeTimerFires();
    void lateJoinerGetsGameStats_data();
    void lateJoinerGetsGameStats();
    void handOverToSlot3();
    void silentConnectionHoldsNoSeat();

private:
    RawClient* login(const QByteArray& name, int slot);
    void settle();
    void takeAll();
    bool start(RawClient* host);
    bool setPace(RawClient* host, int ms);

    std::unique_ptr<TServer> server;
    rules::ScriptedDice dice;
    std::vector<std::unique_ptr<RawClient>> clients;
};

void TestTServerGame::init() {
    dice = rules::ScriptedDice{};
    server = std::make_unique<TServer>();
    server->setDiceSource(&dice);
    server->setListening(true, "0");
}

void TestTServerGame::cleanup() {
    clients.clear();
    server.reset();
}

void TestTServerGame::settle() {
    QTRY_VERIFY(server->queued() == 0);
    QTest::qWait(60);
}

void TestTServerGame::takeAll() {
    for (auto& c : clients)
        c->take();
}

RawClient* TestTServerGame::login(const QByteArray& name, int slot) {
    clients.push_back(std::make_unique<RawClient>());
    RawClient* c = clients.back().get();
    if (!c->connectTo(server->listeningPort())) return nullptr;
    if (c->waitForPrefix("CMD_sendlogininfo+") != wire::sendlogininfo(slot)) return nullptr;
    c->send("CMD_logininfo+" + QByteArray::number(slot) + "+1.0.3+" + name);
    if (c->waitForPrefix("CMD_newplayerinfo+" + QByteArray::number(slot) + "+").isEmpty())
        return nullptr;
    settle();
    takeAll();
    return c;
}

bool TestTServerGame::start(RawClient* host) {
    host->send("CMD_startgame+Alice+");
    if (host->waitForPrefix("CMD_nextplayer+").isEmpty()) return false;
    settle();
    takeAll();
    return true;
}

bool TestTServerGame::setPace(RawClient* host, int ms) {
    host->send("CMD_botspeed+1+" + QByteArray::number(ms) + "+");
    settle();
    return server->botdelay == ms;
}

void TestTServerGame::startAnnouncesFirstSeat_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("announced");
    QTest::newRow("plain") << QByteArray("CMD_startgame+Alice+")
                           << QByteArray("CMD_startgame+Alice");
    // Only the part of a name before its first '+' travels.
    QTest::newRow("name with plus")
        << QByteArray("CMD_startgame+Al+ice+") << QByteArray("CMD_startgame+Al");
}

void TestTServerGame::startAnnouncesFirstSeat() {
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, announced);
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    a->send(request);
    QVERIFY(b->waitFor(2));
    settle();
    const Messages expected{announced, "CMD_nextplayer+1+"};
    QCOMPARE(a->take(), expected);
    QCOMPARE(b->take(), expected);
    QCOMPARE(server->game.phase(1), 'r');
    QVERIFY(!server->Timer1.isActive() && !server->computertimer.isActive());
}

void TestTServerGame::rollOutcomes_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("pace");
    QTest::addColumn<Messages>("expected");
    QTest::addColumn<char>("phase");
    QTest::newRow("one enters") << 1 << 0 << Messages{"CMD_hisroll+1+1+0+0+0+1+"} << 'm';
    QTest::newRow("two at start") << 2 << 0 << Messages{"CMD_hisroll+1+1+1+0+0+2+", "CMD_unable+1+"}
                                  << 'n';
    // Without a pace the turn never passes.
    QTest::newRow("nothing, no pace")
        << 0 << 0 << Messages{"CMD_hisroll+1+0+0+0+0+0+", "CMD_unable+1+"} << 'n';
    QTest::newRow("nothing, paced")
        << 0 << 50 << Messages{"CMD_hisroll+1+0+0+0+0+0+", "CMD_unable+1+", "CMD_nextplayer+2+"}
        << 'n';
}

void TestTServerGame::rollOutcomes() {
    QFETCH(int, points);
    QFETCH(int, pace);
    QFETCH(Messages, expected);
    QFETCH(char, phase);
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    if (pace) QVERIFY(setPace(a, pace));
    QVERIFY(start(a));
    dice.pushPoints(points);
    a->send("CMD_rolldice+1+");
    QVERIFY(b->waitFor(static_cast<int>(expected.size())));
    QTest::qWait(300 + pace);
    QCOMPARE(a->take(), expected);
    QCOMPARE(b->take(), expected);
    QCOMPARE(server->game.phase(1), phase);
    // Seat 2 is a user's: nothing runs while waiting for him.
    QVERIFY(!server->Timer1.isActive() && !server->computertimer.isActive());
}

void TestTServerGame::moveMessages_data() {
    QTest::addColumn<QString>("mine");
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("chip");
    QTest::addColumn<Messages>("expected");
    QTest::newRow("enter") << ""
                           << "" << 1 << 1
                           << Messages{"CMD_moveit+1+1+1+t+f+f+f+", "CMD_nextplayer+1+"};
    QTest::newRow("plain step passes")
        << "2"
        << "" << 1 << 1 << Messages{"CMD_moveit+1+1+3+f+f+f+f+", "CMD_nextplayer+2+"};
    QTest::newRow("11 takes their 15")
        << "9"
        << "0 0 15" << 2 << 1
        << Messages{"CMD_moveback+1+2+3+", "CMD_moveit+1+1+11+f+f+t+f+", "CMD_nextplayer+1+"};
    QTest::newRow("15 takes their 11")
        << "13"
        << "0 11" << 2 << 1
        << Messages{"CMD_moveback+1+2+2+", "CMD_moveit+1+1+15+f+f+t+f+", "CMD_nextplayer+1+"};
    QTest::newRow("13 takes 13") << "10"
                                 << "13" << 3 << 1
                                 << Messages{"CMD_moveback+1+2+1+", "CMD_moveit+1+1+13+f+f+t+f+",
                                             "CMD_nextplayer+1+"};
    QTest::newRow("12 shares their 14")
        << "10"
        << "0 0 0 14" << 2 << 1 << Messages{"CMD_moveit+1+1+12+f+f+f+t+", "CMD_nextplayer+1+"};
    QTest::newRow("rosette 8") << "6"
                               << "" << 2 << 1
                               << Messages{"CMD_moveit+1+1+8+f+f+f+t+", "CMD_nextplayer+1+"};
    QTest::newRow("home") << "14"
                          << "" << 2 << 1
                          << Messages{"CMD_moveit+1+1+16+f+t+f+t+", "CMD_nextplayer+1+"};
    QTest::newRow("seventh home wins")
        << "16 16 16 16 16 16 14"
        << "5" << 2 << 7 << Messages{"CMD_moveit+1+7+16+f+t+f+t+", "CMD_winner+1+"};
}

void TestTServerGame::moveMessages() {
    QFETCH(QString, mine);
    QFETCH(QString, theirs);
    QFETCH(int, points);
    QFETCH(int, chip);
    QFETCH(Messages, expected);
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    QVERIFY(setPace(a, 50)); // a pace, so a wrongly started timer would show
    QVERIFY(start(a));
    server->game.setChips(1, chipsOf(mine));
    server->game.setChips(2, chipsOf(theirs));
    dice.pushPoints(points);
    a->send("CMD_rolldice+1+");
    QVERIFY(!a->waitForPrefix("CMD_hisroll+").isEmpty());
    settle();
    takeAll();
    a->send("CMD_movepiece+1+" + QByteArray::number(chip) + "+");
    QVERIFY(b->waitFor(static_cast<int>(expected.size())));
    settle();
    QCOMPARE(a->take(), expected);
    QCOMPARE(b->take(), expected);
    if (expected.last().startsWith("CMD_winner")) {
        QVERIFY(!server->game.gameon());
        QTest::qWait(150);
        QVERIFY(a->take().isEmpty());
        QVERIFY(!server->Timer1.isActive() && !server->computertimer.isActive());
    }
}

void TestTServerGame::refusedMoveTellsMoverOnly_data() {
    QTest::addColumn<QString>("mine");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("chip");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("legalChip");
    QTest::newRow("past home") << "14 5" << 3 << 1 << 1 << 2;
    QTest::newRow("enters only on one") << "5" << 2 << 2 << 2 << 1;
    QTest::newRow("own chip on target") << "5 7" << 2 << 1 << 3 << 2;
}

void TestTServerGame::refusedMoveTellsMoverOnly() {
    QFETCH(QString, mine);
    QFETCH(int, points);
    QFETCH(int, chip);
    QFETCH(int, code);
    QFETCH(int, legalChip);
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    QVERIFY(start(a));
    server->game.setChips(1, chipsOf(mine));
    dice.pushPoints(points);
    a->send("CMD_rolldice+1+");
    QVERIFY(!b->waitForPrefix("CMD_hisroll+").isEmpty());
    settle();
    takeAll();
    a->send("CMD_movepiece+1+" + QByteArray::number(chip) + "+");
    QVERIFY(a->waitFor(1));
    settle();
    QCOMPARE(a->take(), Messages{wire::error(1, code)});
    QVERIFY(b->take().isEmpty());
    QCOMPARE(server->game.phase(1), 'm');
    QCOMPARE(server->game.chips(1), chipsOf(mine));
    // The seat may try another chip.
    a->send("CMD_movepiece+1+" + QByteArray::number(legalChip) + "+");
    QVERIFY(!b->waitForPrefix("CMD_moveit+1+" + QByteArray::number(legalChip) + "+").isEmpty());
}

void TestTServerGame::ignoredRequests_data() {
    QTest::addColumn<bool>("rolled");
    QTest::addColumn<int>("sender");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("move before rolling") << false << 1 << QByteArray("CMD_movepiece+1+1+");
    QTest::newRow("roll out of turn") << false << 2 << QByteArray("CMD_rolldice+2+");
    QTest::newRow("roll in another's name") << false << 2 << QByteArray("CMD_rolldice+1+");
    QTest::newRow("start from seat 2") << false << 2 << QByteArray("CMD_startgame+Bob+");
    QTest::newRow("seat 0") << false << 1 << QByteArray("CMD_rolldice+0+");
    QTest::newRow("seat 3") << false << 1 << QByteArray("CMD_rolldice+3+");
    QTest::newRow("seat not a number") << false << 1 << QByteArray("CMD_rolldice+x+");
    QTest::newRow("second roll") << true << 1 << QByteArray("CMD_rolldice+1+");
    QTest::newRow("move out of turn") << true << 2 << QByteArray("CMD_movepiece+2+1+");
    QTest::newRow("move in another's name") << true << 2 << QByteArray("CMD_movepiece+1+1+");
    QTest::newRow("chip 0") << true << 1 << QByteArray("CMD_movepiece+1+0+");
    QTest::newRow("chip 8") << true << 1 << QByteArray("CMD_movepiece+1+8+");
    QTest::newRow("chip -1") << true << 1 << QByteArray("CMD_movepiece+1+-1+");
    QTest::newRow("chip not a number") << true << 1 << QByteArray("CMD_movepiece+1+x+");
    QTest::newRow("chip missing") << true << 1 << QByteArray("CMD_movepiece+1+");
    QTest::newRow("restart from seat 2") << true << 2 << QByteArray("CMD_startgame+Bob+");
}

void TestTServerGame::ignoredRequests() {
    QFETCH(bool, rolled);
    QFETCH(int, sender);
    QFETCH(QByteArray, message);
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    QVERIFY(start(a));
    dice.pushPoints(1);
    if (rolled) {
        a->send("CMD_rolldice+1+");
        QVERIFY(!b->waitForPrefix("CMD_hisroll+").isEmpty());
        settle();
        takeAll();
    }
    dice.pushPoints(1); // a second roll would take it
    const int scripted = dice.remaining();
    const char phase = server->game.phase(1);
    clients[static_cast<unsigned>(sender - 1)]->send(message);
    settle();
    QVERIFY(a->take().isEmpty());
    QVERIFY(b->take().isEmpty());
    QCOMPARE(dice.remaining(), scripted);
    QCOMPARE(server->game.phase(1), phase);
    QCOMPARE(server->game.currentplayer(), 1);
    QCOMPARE(server->game.chips(1), rules::Chips{});
}

void TestTServerGame::botspeedFromHostingUserOnly_data() {
    QTest::addColumn<int>("sender");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("botdelay");
    QTest::newRow("hosting user") << 1 << QByteArray("CMD_botspeed+1+750+") << 750;
    QTest::newRow("seat 2") << 2 << QByteArray("CMD_botspeed+2+750+") << 0;
    QTest::newRow("seat 2 as 1") << 2 << QByteArray("CMD_botspeed+1+750+") << 0;
    QTest::newRow("negative") << 1 << QByteArray("CMD_botspeed+1+-5+") << 0;
    QTest::newRow("beyond a minute") << 1 << QByteArray("CMD_botspeed+1+60001+") << 0;
    QTest::newRow("not a number") << 1 << QByteArray("CMD_botspeed+1+fast+") << 0;
}

void TestTServerGame::botspeedFromHostingUserOnly() {
    QFETCH(int, sender);
    QFETCH(QByteArray, message);
    QFETCH(int, botdelay);
    QVERIFY(login("Alice", 1) && login("Bob", 2));
    clients[static_cast<unsigned>(sender - 1)]->send(message);
    settle();
    QCOMPARE(server->botdelay, botdelay);
}

void TestTServerGame::botskillFromHostingUserOnly_data() {
    QTest::addColumn<int>("sender");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("botskill");
    QTest::newRow("hosting user, Strong") << 1 << QByteArray("CMD_botskill+1+1+") << 1;
    QTest::newRow("hosting user, Expert") << 1 << QByteArray("CMD_botskill+1+2+") << 2;
    QTest::newRow("seat 2") << 2 << QByteArray("CMD_botskill+2+2+") << 0;
    QTest::newRow("seat 2 as 1") << 2 << QByteArray("CMD_botskill+1+2+") << 0;
    QTest::newRow("beyond the levels") << 1 << QByteArray("CMD_botskill+1+3+") << 0;
    QTest::newRow("negative") << 1 << QByteArray("CMD_botskill+1+-1+") << 0;
    QTest::newRow("not a number") << 1 << QByteArray("CMD_botskill+1+strong+") << 0;
    QTest::newRow("no level") << 1 << QByteArray("CMD_botskill+1+") << 0;
}

void TestTServerGame::botskillFromHostingUserOnly() {
    QFETCH(int, sender);
    QFETCH(QByteArray, message);
    QFETCH(int, botskill);
    QVERIFY(login("Alice", 1) && login("Bob", 2));
    QCOMPARE(server->botlevel, 0); // a host never told plays Klot
    clients[static_cast<unsigned>(sender - 1)]->send(message);
    // The host keeps serving: the next request is handled as usual.
    clients[0]->send("CMD_botspeed+1+500+");
    QTRY_COMPARE(server->botdelay, 500);
    QCOMPARE(server->botlevel, botskill);
}

void TestTServerGame::computerPlaysTheChosenLevel_data() {
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QByteArray>("move");
    // Seat 2 (the computer) on 8 and 9 against seat 1 on 4, with 2 points:
    // Klot takes the lowest chip (8 to 10), Strong runs 9 to 11.
    QTest::newRow("never told") << QByteArray() << QByteArray("CMD_moveit+2+1+10+");
    QTest::newRow("Klot") << QByteArray("CMD_botskill+1+0+") << QByteArray("CMD_moveit+2+1+10+");
    QTest::newRow("Strong") << QByteArray("CMD_botskill+1+1+") << QByteArray("CMD_moveit+2+2+11+");
    // No table in this process yet: Expert plays as Strong would here.
    QTest::newRow("Expert") << QByteArray("CMD_botskill+1+2+") << QByteArray("CMD_moveit+2+2+11+");
    QTest::newRow("out of range") << QByteArray("CMD_botskill+1+7+")
                                  << QByteArray("CMD_moveit+2+1+10+");
}

void TestTServerGame::computerPlaysTheChosenLevel() {
    QFETCH(QByteArray, level);
    QFETCH(QByteArray, move);
    RawClient* a = login("Alice", 1); // solo: the computer plays seat 2
    QVERIFY(a);
    QVERIFY(setPace(a, 50));
    if (!level.isEmpty()) a->send(level);
    QVERIFY(start(a));
    server->game.setChips(1, {4, 0, 0, 0, 0, 0, 0});
    server->game.setChips(2, {8, 9, 0, 0, 0, 0, 0});
    dice.pushPoints(0); // seat 1 passes
    dice.pushPoints(2); // the computer's throw
    a->send("CMD_rolldice+1+");
    QVERIFY(!a->waitForPrefix("CMD_hisroll+2+").isEmpty());
    QVERIFY(a->waitForPrefix("CMD_moveit+2+", 3000).startsWith(move));
}

void TestTServerGame::computerIdleBeforeBotspeed() {
    // A solo game: seat 2 is empty, so the computer plays it, but has no pace yet.
    RawClient* a = login("Alice", 1);
    QVERIFY(a);
    QVERIFY(start(a));
    dice.pushPoints(0);
    a->send("CMD_rolldice+1+");
    QVERIFY(a->waitFor(2));
    QTest::qWait(400);
    QCOMPARE(a->take(), (Messages{"CMD_hisroll+1+0+0+0+0+0+", "CMD_unable+1+"}));
    QCOMPARE(server->game.currentplayer(), 1);
    QVERIFY(!server->Timer1.isActive() && !server->computertimer.isActive());
    // Handing seat 1 to the computer does not wake it either.
    a->send("CMD_justwatch+1+1");
    QVERIFY(!a->waitForPrefix("CMD_justwatching+1+1").isEmpty());
    QTest::qWait(300);
    QVERIFY(a->take().isEmpty());
}

void TestTServerGame::computerTakesOver_data() {
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<char>("phase");
    QTest::addColumn<QByteArray>("first");
    // Seat 2 holds nothing; the computer's roll shows one point, its move enters chip 1.
    QTest::newRow("watch, to move") << false << 'm' << QByteArray("CMD_moveit+2+1+1+t+f+f+f+");
    QTest::newRow("watch, to roll") << false << 'r' << QByteArray("CMD_hisroll+2+1+0+0+0+1+");
    QTest::newRow("leave, to move") << true << 'm' << QByteArray("CMD_moveit+2+1+1+t+f+f+f+");
    QTest::newRow("leave, to roll") << true << 'r' << QByteArray("CMD_hisroll+2+1+0+0+0+1+");
}

void TestTServerGame::computerTakesOver() {
    QFETCH(bool, leaves);
    QFETCH(char, phase);
    QFETCH(QByteArray, first);
    constexpr int Pace = 250;
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    QVERIFY(setPace(a, Pace));
    QVERIFY(start(a));
    dice.pushPoints(0); // seat 1 cannot move; the turn passes after the pace
    a->send("CMD_rolldice+1+");
    QVERIFY(!b->waitForPrefix("CMD_nextplayer+2+", 3000).isEmpty());
    dice.pushPoints(1);
    if (phase == 'm') {
        b->send("CMD_rolldice+2+");
        QVERIFY(!a->waitForPrefix("CMD_hisroll+2+").isEmpty());
    }
    dice.pushPoints(1);
    settle();
    takeAll();
    QCOMPARE(server->game.phase(2), phase);
    QVERIFY(!server->computertimer.isActive()); // the seat is still a user's

    QElapsedTimer clock;
    clock.start();
    if (leaves)
        b->close();
    else
        b->send("CMD_justwatch+2+1");
    QVERIFY(
        !a->waitForPrefix(leaves ? "CMD_playerdisconnected+2+" : "CMD_justwatching+2+1").isEmpty());
    QVERIFY(!a->waitForPrefix(first, 3000).isEmpty());
    QVERIFY2(clock.elapsed() >= Pace - 25, qPrintable(QString::number(clock.elapsed())));
    // And the computer goes on: after entering it rolls again, after a roll it moves.
    QVERIFY(!a->waitForPrefix(phase == 'm' ? "CMD_hisroll+2+" : "CMD_moveit+2+1+", 3000).isEmpty());
}

void TestTServerGame::humanTakesSeatBackBeforeTimerFires() {
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    QVERIFY(a && b);
    QVERIFY(setPace(a, 200));
    QVERIFY(start(a));
    dice.pushPoints(1);
    a->send("CMD_rolldice+1+");
    QVERIFY(!b->waitForPrefix("CMD_hisroll+1+").isEmpty());
    a->send("CMD_justwatch+1+1");
    a->send("CMD_justwatch+1+2");
    QVERIFY(!b->waitForPrefix("CMD_justwatching+1+2").isEmpty());
    QTest::qWait(400);
    QVERIFY(b->take().isEmpty());
    QCOMPARE(server->game.phase(1), 'm');
    // The user moves himself.
    a->send("CMD_movepiece+1+1+");
    QCOMPARE(b->waitForPrefix("CMD_moveit+"), QByteArray("CMD_moveit+1+1+1+t+f+f+f+"));
}

void TestTServerGame::lateJoinerGetsGameStats_data() {
    QTest::addColumn<int>("points"); // -1: seat 1 has not rolled
    QTest::addColumn<QString>("mine");
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<QByteArray>("stats");
    QTest::newRow("fresh") << -1 << ""
                           << "" << QByteArray("CMD_gamestats+2+1+r+0+0+0+0+0+*");
    QTest::newRow("no move") << 2 << ""
                             << "" << QByteArray("CMD_gamestats+2+1+n+2+1+1+0+0+*");
    QTest::newRow("to move") << 1 << "3 0 0 16"
                             << "0 5 0 0 0 0 12"
                             << QByteArray(
                                    "CMD_gamestats+2+1+m+1+1+0+0+0+1+1+3+1+4+16+2+2+5+2+7+12");
    QTest::newRow("only seat 2 off start")
        << 4 << ""
        << "0 0 9" << QByteArray("CMD_gamestats+2+1+n+4+1+1+1+1+2+3+9");
}

void TestTServerGame::lateJoinerGetsGameStats() {
    QFETCH(int, points);
    QFETCH(QString, mine);
    QFETCH(QString, theirs);
    QFETCH(QByteArray, stats);
    RawClient* a = login("Alice", 1);
    QVERIFY(a);
    QVERIFY(start(a));
    server->game.setChips(1, chipsOf(mine));
    server->game.setChips(2, chipsOf(theirs));
    if (points >= 0) {
        dice.pushPoints(points);
        a->send("CMD_rolldice+1+");
        QVERIFY(!a->waitForPrefix("CMD_hisroll+").isEmpty());
        settle();
    }
    clients.push_back(std::make_unique<RawClient>());
    RawClient* c = clients.back().get();
    QVERIFY(c->connectTo(server->listeningPort()));
    QCOMPARE(c->waitForPrefix("CMD_sendlogininfo+"), QByteArray("CMD_sendlogininfo+2"));
    c->send("CMD_logininfo+2+1.0.3+Cy");
    QVERIFY(c->waitFor(3));
    settle();
    QCOMPARE(c->take(), (Messages{"CMD_newplayerinfo+2+Cy", "CMD_existingplayers+1+Alice", stats}));
}

// Seat 1's user gives his turns to the watcher in slot 3: refused for anyone
// else and outside a game; afterwards slot 3 plays seat 1 as "3", a late
// joiner learns it, and slot 3's departure ends the game.
void TestTServerGame::handOverToSlot3() {
    RawClient* a = login("Alice", 1);
    RawClient* b = login("Bob", 2);
    RawClient* c = login("Cy", 3);
    QVERIFY(a && b && c);
    a->send("CMD_give3+1+"); // no game yet
    QCOMPARE(a->waitForPrefix("CMD_"), QByteArray("CMD_cantgive+"));
    QVERIFY(start(a));
    b->send("CMD_give3+2+"); // only seat 1's user
    QCOMPARE(b->waitForPrefix("CMD_"), QByteArray("CMD_cantgive+"));
    settle();
    QVERIFY(a->take().isEmpty() && c->take().isEmpty());

    a->send("CMD_give3+1+");
    QVERIFY(c->waitFor(2));
    settle();
    const Messages given{"CMD_giving3+1+Cy+", "CMD_nextplayer+3+"};
    QCOMPARE(a->take(), given);
    QCOMPARE(c->take(), given);
    a->send("CMD_give3+1+"); // given already
    QCOMPARE(a->waitForPrefix("CMD_"), QByteArray("CMD_cantgive+"));

    // Seat 1's old player can no longer act for it; slot 3 can.
    dice.pushPoints(1);
    a->send("CMD_rolldice+1+");
    settle();
    QCOMPARE(server->game.phase(1), 'r');
    c->send("CMD_rolldice+3+");
    QCOMPARE(b->waitForPrefix("CMD_hisroll+"), QByteArray("CMD_hisroll+3+1+0+0+0+1+"));
    a->send("CMD_movepiece+1+1+");
    settle();
    QCOMPARE(server->game.phase(1), 'm');
    c->send("CMD_movepiece+3+1+");
    QCOMPARE(b->waitForPrefix("CMD_moveit+"), QByteArray("CMD_moveit+3+1+1+t+f+f+f+"));
    QCOMPARE(b->waitForPrefix("CMD_nextplayer+"), QByteArray("CMD_nextplayer+3+"));
    settle();
    takeAll();

    // A late joiner hears who plays seat 1 before the snapshot names it.
    RawClient* d = login("Dee", 4);
    QVERIFY(d);
    QVERIFY(server->game.gameon());
    clients.push_back(std::make_unique<RawClient>());
    RawClient* e = clients.back().get();
    QVERIFY(e->connectTo(server->listeningPort()));
    QCOMPARE(e->waitForPrefix("CMD_sendlogininfo+"), QByteArray("CMD_sendlogininfo+5"));
    e->send("CMD_logininfo+5+1.0.3+Eve");
    QVERIFY(e->waitFor(7));
    settle();
    const Messages late = e->take();
    QCOMPARE(late.mid(5), (Messages{"CMD_giving3+1+Cy+", "CMD_gamestats+5+3+r+1+1+0+0+0+1+1+1"}));

    // Slot 3 leaves: seat 1 is Alice's again and the game is over.
    c->close();
    QCOMPARE(b->waitForPrefix("CMD_giveback+"), QByteArray("CMD_giveback+Alice+"));
    settle();
    QVERIFY(!server->game.gameon());
    QVERIFY(!server->handedover);
    QVERIFY(!server->Timer1.isActive() && !server->computertimer.isActive());
}

// A connection in slot 2 that never logs in (noise, a stalled client) is
// nobody's player: the computer goes on playing seat 2.
void TestTServerGame::silentConnectionHoldsNoSeat() {
    RawClient* a = login("Alice", 1);
    QVERIFY(a);
    QVERIFY(setPace(a, 20));
    QVERIFY(start(a));
    clients.push_back(std::make_unique<RawClient>());
    RawClient* silent = clients.back().get();
    QVERIFY(silent->connectTo(server->listeningPort()));
    QCOMPARE(silent->waitForPrefix("CMD_sendlogininfo+"), QByteArray("CMD_sendlogininfo+2"));
    dice.pushPoints(0); // seat 1 passes; seat 2 is the computer's to roll
    dice.pushPoints(1);
    a->send("CMD_rolldice+1+");
    QCOMPARE(a->waitForPrefix("CMD_hisroll+2+", 3000), QByteArray("CMD_hisroll+2+1+0+0+0+1+"));
    QVERIFY(!a->waitForPrefix("CMD_moveit+2+1+", 3000).isEmpty());
}

QTEST_GUILESS_MAIN(TestTServerGame)
#include "test_tserver_game.moc"
