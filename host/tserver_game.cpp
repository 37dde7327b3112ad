// The game on the host: start, roll, move, and the computer player's pacing.
//
// rules::Game judges every request (who, turn and phase, legality) and
// returns a verdict; this file turns verdicts into broadcasts in the order
// every client relies on, and starts the timers that pace the computer:
//   start: startgame, nextplayer
//   roll:  hisroll [, unable]
//   move:  moveback..., moveit, then winner | nextplayer (same or other seat)
//   refused move: error, to the mover alone
//
// Hand-over: while a game runs, the hosting user (who plays seat 1) may give
// seat 1's turns to the participant in slot 3. Everybody hears giving3; from
// then on slot 3 rolls and moves for seat 1, and every message names seat 1
// as 3. It lasts until slot 3 leaves: then everybody hears giveback with
// seat 1's name, and a running game ends without a winner. Any other asker,
// an empty slot 3, no game or a hand-over already made: cantgive to the asker.
#include "tserver.h"

#include "catalogue.h"
#include "levels.h"

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
    // A connection that has not logged in is nobody's player yet: one that
    // only sends noise must not hold up the computer's seat.
    const auto& p = players[static_cast<unsigned>(playerSlot(seat))];
    return !p.connected || !p.loggedin || p.watchonly;
}

int TServer::playerSlot(int seat) const {
    return handedover && seat == 1 ? HandOverSlot : seat;
}

int TServer::wireSeat(int seat) const {
    return handedover && seat == 1 ? HandOverSlot : seat;
}

int TServer::requestSeat(int field) const {
    if (field == 1) return handedover ? 0 : 1;
    if (field == 2) return 2;
    if (field == HandOverSlot && handedover) return 1;
    return 0;
}

// ---- requests ----

void TServer::startgame(int conn, wire::Fields& f) {
    // Only the hosting user starts (or restarts) a game.
    if (conn != 1) return;
    const QByteArray name = f.next().left(wire::MaxNameBytes);
    stopGameTimers();
    broadcast(wire::startgameRelay(name));
    for (int seat = 1; seat <= rules::SeatCount; ++seat)
        players[static_cast<unsigned>(seat)].watchonly = false;
    announceTurn(game.startgame());
}

void TServer::rolldice(int conn, wire::Fields& f) {
    const int field = f.number();
    if (field != conn) return;
    if (const int seat = requestSeat(field)) rollFor(seat);
}

void TServer::movepiece(int conn, wire::Fields& f) {
    const int field = f.number();
    if (field != conn) return;
    const int seat = requestSeat(field);
    int chip = 0;
    if (!seat || !f.number(1, rules::ChipCount, chip)) return;
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

void TServer::botskill(int conn, wire::Fields& f) {
    const int sender = f.number();
    if (sender != 1 || conn != 1) return;
    int level = 0;
    if (!f.number(0, levels::LevelCount - 1, level)) return;
    botlevel = level;
}

void TServer::give3(int conn, wire::Fields& f) {
    const int sender = f.number();
    if (sender != conn) return;
    const auto& three = players[HandOverSlot];
    if (conn != 1 || handedover || !game.gameon() || !three.connected || !three.loggedin) {
        sendTo(conn, wire::cantgive());
        return;
    }
    handedover = true;
    players[1].watchonly = false;
    broadcast(wire::giving3(1, three.name));
    if (game.currentplayer() != 1) return;
    // Seat 1 is in the middle of its turn: tell its new player where it stands.
    stopGameTimers();
    if (game.phase(1) == 'm') {
        broadcast(wire::nextplayer(wireSeat(1)));
        broadcast(wire::hisroll(wireSeat(1), wireDice(game.dice()), game.roll(1)));
    } else if (game.phase(1) == 'r') {
        broadcast(wire::nextplayer(wireSeat(1)));
    } else {
        startPass();
    }
    if (computerPlayed(1)) handOverToComputer(1);
}

void TServer::takeBack() {
    handedover = false;
    broadcast(wire::giveback(players[1].name));
    if (!game.gameon()) return;
    stopGameTimers();
    game.stopgame();
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
    broadcast(wire::nextplayer(wireSeat(seat)));
    if (computerPlayed(seat)) startComputer(ComputerRolls);
}

void TServer::rollFor(int seat) {
    const rules::RollOutcome r = game.rolldice(seat, *diceSource);
    if (r.verdict != rules::Verdict::Done) return;
    broadcast(wire::hisroll(wireSeat(seat), wireDice(r.dice), r.points));
    if (r.canMove) {
        if (computerPlayed(seat)) startComputer(ComputerMoves);
        return;
    }
    broadcast(wire::unable(wireSeat(seat)));
    // Give everybody a moment to see the throw before the turn moves on.
    startPass();
}

void TServer::moveFor(int seat, int chip) {
    const rules::MoveOutcome m = game.movepiece(seat, chip);
    if (m.verdict == rules::Verdict::Ignored) return;
    if (m.verdict == rules::Verdict::Refused) {
        const int slot = playerSlot(seat);
        if (players[static_cast<unsigned>(slot)].connected)
            sendTo(slot, wire::error(wireSeat(seat), m.code));
        return;
    }
    const int victim = rules::otherSeat(seat);
    for (int i = 0; i < m.move.victimCount; ++i)
        broadcast(wire::moveback(wireSeat(seat), wireSeat(victim),
                                 m.move.victims[static_cast<unsigned>(i)]));
    broadcast(wire::moveit(wireSeat(seat), chip, m.move.square, m.move.entered, m.move.home,
                           m.move.capture, m.move.rosette));
    if (m.win) {
        stopGameTimers();
        broadcast(wire::winner(wireSeat(seat)));
        return;
    }
    if (m.rollAgain) {
        broadcast(wire::nextplayer(wireSeat(seat)));
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
    sendTo(conn, wire::gamestats(conn, rules::isSeat(cur) ? wireSeat(cur) : cur, game.phase(cur),
                                 game.roll(cur), wireDice(game.dice()), chips.data(), list.count));
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
    int chip = 0;
    if (botlevel == static_cast<int>(levels::Level::Klot)) {
        chip = game.computermove(seat);
    } else {
        // "Expert" plays as "Strong" until its table is there.
        const auto table = levels::perfectTable();
        chip = levels::choose(
            static_cast<levels::Level>(botlevel), game.position(), seat, game.roll(seat),
            botlevel == static_cast<int>(levels::Level::Expert) ? table.get() : nullptr);
    }
    if (chip != 0) moveFor(seat, chip);
}
