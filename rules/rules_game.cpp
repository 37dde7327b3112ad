#include "rules_game.h"

namespace rules {

int Game::startgame() {
    gameon_ = true;
    clearPhases();
    pos_ = Position{};
    return findplayer();
}

int Game::findplayer() {
    if (!gameon_) return 0;
    clearPhases();
    // The first game begins with seat 1; every later one with the seat after
    // the one that moved last, which is the loser of a finished game.
    currentplayer_ = currentplayer_ >= 2 ? 1 : static_cast<std::uint8_t>(currentplayer_ + 1);
    roll_[index(currentplayer_)] = 0;
    phase_[index(currentplayer_)] = 'r';
    return currentplayer_;
}

RollOutcome Game::rolldice(int seat, DiceSource& source) {
    if (!isSeat(seat) || !gameon_ || seat != currentplayer_ || phase(seat) != 'r') return {};
    return rolldice(seat, source.throwdice());
}

RollOutcome Game::rolldice(int seat, const Dice& dice) {
    RollOutcome r;
    if (!isSeat(seat) || !gameon_ || seat != currentplayer_ || phase(seat) != 'r') return r;
    for (std::uint8_t d : dice)
        if (d > 1) return r;
    r.verdict = Verdict::Done;
    r.seat = seat;
    r.dice = dice;
    r.points = points(dice);
    dice_ = dice;
    roll_[index(seat)] = static_cast<std::uint8_t>(r.points);
    r.canMove = canmove(seat, r.points);
    if (r.canMove)
        phase_[index(seat)] = 'm';
    else
        clearPhases();
    return r;
}

MoveOutcome Game::movepiece(int seat, int chip) {
    MoveOutcome m;
    if (!isSeat(seat) || !isChip(chip)) return m;
    if (!gameon_ || seat != currentplayer_ || phase(seat) != 'm') return m;
    m.seat = seat;
    m.chip = chip;
    const int points = roll(seat);
    const MoveError e = checkmove(pos_.of(seat), chip, points);
    if (e == MoveError::Invalid) return m; // only a zero roll gets here, and 'm' rules that out
    if (e != MoveError::None) {
        m.verdict = Verdict::Refused;
        m.code = static_cast<int>(e);
        return m;
    }
    m.verdict = Verdict::Done;
    m.move = applymove(pos_, seat, chip, points);
    if (checkforwin(pos_.of(seat))) {
        gameon_ = false;
        clearPhases();
        m.win = true;
        return m;
    }
    m.rollAgain = m.move.rollAgain();
    if (m.rollAgain) {
        phase_[index(seat)] = 'r';
        m.nextplayer = seat;
    } else {
        m.nextplayer = findplayer();
    }
    return m;
}

int Game::computermove(int seat) const {
    if (!isSeat(seat)) return 0;
    return rules::computermove(pos_.of(seat), roll(seat));
}

bool Game::canmove(int seat, int points) const {
    return isSeat(seat) && rules::canmove(pos_.of(seat), points);
}

ChipList Game::chiplist() const {
    ChipList list;
    for (int s = 1; s <= SeatCount; ++s)
        for (int c = 1; c <= ChipCount; ++c) {
            const int q = pos_.of(s)[static_cast<unsigned>(c - 1)];
            if (q != Start) list.items[static_cast<unsigned>(list.count++)] = {s, c, q};
        }
    return list;
}

const Chips& Game::chips(int seat) const {
    static const Chips none{};
    return isSeat(seat) ? pos_.of(seat) : none;
}

void Game::setChips(int seat, const Chips& chips) {
    if (!isSeat(seat)) return;
    for (std::uint8_t q : chips)
        if (!isSquare(q)) return;
    pos_.of(seat) = chips;
}

} // namespace rules
