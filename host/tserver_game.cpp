// The game on the host: start, roll, move, and the computer player's pacing.
//
// rules::Game judges every request (who, turn and phase, legality) and
// returns a verdict; this file turns verdicts into broadcasts in the order
// every client relies on, and starts the timers that pace the computer:
//   start: startgame, nextplayer
//   roll:  hisroll [, unable]
//   move:  moveback..., moveit, then winner | nextplayer (same or other seat)
//   refused move: error, to the mover alone
#include "tserver.h"

#include "catalogue.h"

namespace {

std::array<int, 4> wireDice(const rules::Dice& d) {
    return {d[0], d[1], d[2], d[3]};
}

} // namespace

void TServer::setDiceSource(rules::DiceSource* source) {
    diceSource = source ? source : &randomDice;
}

bool TServer::computerPlayed(int seat) const {
    if (!rules::isSeat(seat)) return false;
    const auto& p = players[static_cast<unsigned>(seat)];
    return !p.connected || p.watchonly;
}

// ---- requests ----

void TServer::startgame(int conn, wire::Fields& f) {
    // Only the hosting user starts (or restarts) a game.
    if (conn != 1) return;
    const QByteArray name = f.next();
    stopGameTimers();
    broadcast(wire::startgameRelay(name));
    for (int seat = 1; seat <= rules::SeatCount; ++seat)
        players[static_cast<unsigned>(seat)].watchonly = false;
    announceTurn(game.startgame());
}

void TServer::rolldice(int conn, wire::Fields& f) {
    const int seat = f.number();
    if (seat != conn) return;
    rollFor(seat);
}

void TServer::movepiece(int conn, wire::Fields& f) {
    const int seat = f.number();
    if (seat != conn) return;
    int chip = 0;
    if (!f.number(1, rules::ChipCount, chip)) return;
    moveFor(seat, chip);
}

void TServer::botspeed(int conn, wire::Fields& f) {
    const int sender = f.number();
    if (sender != 1 || conn != 1) return;
    int ms = 0;
    if (!f.number(0, MaxBotDelayMs, ms)) return;
    // Running timers keep the pace they were started with.
    botdelay = ms;
}

// ---- the turn ----

void TServer::findplayer() {
    stopGameTimers();
    announceTurn(game.findplayer());
}

// Tells everybody whose roll it is, and lets the computer roll for a seat
// that nobody plays.
void TServer::announceTurn(int seat) {
    if (!rules::isSeat(seat)) return; // no game runs
    broadcast(wire::nextplayer(seat));
    if (computerPlayed(seat)) startComputer(ComputerRolls);
}

void TServer::rollFor(int seat) {
    const rules::RollOutcome r = game.rolldice(seat, *diceSource);
    if (r.verdict != rules::Verdict::Done) return;
    broadcast(wire::hisroll(seat, wireDice(r.dice), r.points));
    if (r.canMove) {
        if (computerPlayed(seat)) startComputer(ComputerMoves);
        return;
    }
    broadcast(wire::unable(seat));
    // Give everybody a moment to see the throw before the turn moves on.
    startPass();
}

void TServer::moveFor(int seat, int chip) {
    const rules::MoveOutcome m = game.movepiece(seat, chip);
    if (m.verdict == rules::Verdict::Ignored) return;
    if (m.verdict == rules::Verdict::Refused) {
        if (players[static_cast<unsigned>(seat)].connected) sendTo(seat, wire::error(seat, m.code));
        return;
    }
    const int victim = rules::otherSeat(seat);
    for (int i = 0; i < m.move.victimCount; ++i)
        broadcast(wire::moveback(seat, victim, m.move.victims[static_cast<unsigned>(i)]));
    broadcast(wire::moveit(seat, chip, m.move.square, m.move.entered, m.move.home, m.move.capture,
                           m.move.rosette));
    if (m.win) {
        stopGameTimers();
        broadcast(wire::winner(seat));
        return;
    }
    if (m.rollAgain) {
        broadcast(wire::nextplayer(seat));
        // Whether the computer acts is decided when the timer fires: the
        // seat's user may take it back meanwhile.
        startComputer(ComputerRolls);
        return;
    }
    // The game has already handed the turn on; only the host's side follows.
    stopGameTimers();
    announceTurn(m.nextplayer);
}

void TServer::handOverToComputer(int seat) {
    switch (game.phase(seat)) {
    case 'm':
        startComputer(ComputerMoves);
        break;
    case 'r':
        startComputer(ComputerRolls);
        break;
    default:
        startPass();
        break;
    }
}

void TServer::sendGameStats(int conn) {
    const int cur = game.currentplayer();
    const rules::ChipList list = game.chiplist();
    std::array<wire::ChipAt, rules::SeatCount * rules::ChipCount> chips{};
    for (int i = 0; i < list.count; ++i) {
        const auto& c = list.items[static_cast<unsigned>(i)];
        chips[static_cast<unsigned>(i)] = {c.seat, c.chip, c.square};
    }
    sendTo(conn, wire::gamestats(conn, cur, game.phase(cur), game.roll(cur), wireDice(game.dice()),
                                 chips.data(), list.count));
}

// ---- the computer player and its pacing ----

void TServer::startComputer(ComputerTag tag) {
    // The full delay runs from now, whatever was pending before.
    computertimer.stop();
    computertimerTag = tag;
    if (botdelay <= 0) return; // a zero pace never fires
    computertimer.start(botdelay);
}

void TServer::startPass() {
    if (botdelay <= 0) {
        Timer1.stop();
        return;
    }
    // A pass already counting at this pace keeps counting.
    if (Timer1.isActive() && Timer1.interval() == botdelay) return;
    Timer1.start(botdelay);
}

void TServer::stopGameTimers() {
    computertimer.stop();
    Timer1.stop();
}

void TServer::computertimerTimer() {
    computertimer.stop();
    const int seat = game.currentplayer();
    if (!computerPlayed(seat)) return;
    if (computertimerTag == ComputerMoves)
        computermove(seat);
    else if (computertimerTag == ComputerRolls)
        computerroll(seat);
}

void TServer::Timer1Timer() {
    Timer1.stop();
    findplayer();
}

void TServer::computerroll(int seat) {
    if (computerPlayed(seat)) rollFor(seat);
}

void TServer::computermove(int seat) {
    if (!computerPlayed(seat)) return;
    const int chip = game.computermove(seat);
    if (chip != 0) moveFor(seat, chip);
}
