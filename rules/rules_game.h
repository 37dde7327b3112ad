#pragma once
/*
 * One game as the host keeps it: whose turn it is, each seat's phase, last
 * points and chips, and the dice of the last roll. Every request is judged
 * in the same order: who asks (seat and chip in range), is it their turn and
 * phase, is the move legal. The answer is a plain value; the caller turns it
 * into messages and timers.
 *
 * Phases per seat: 'n' nothing pending, 'r' to roll, 'm' rolled and to move.
 * A roll is carried out only while a game runs and the seat is the current
 * player in phase 'r'; a move only in phase 'm', which a roll sets only when
 * its points allow a move, so a move of zero points is never accepted.
 */
#include "dice.h"
#include "rules.h"

#include <array>
#include <cstdint>

namespace rules {

enum class Verdict : std::uint8_t {
    Done,    // carried out
    Ignored, // not this seat's turn or phase, or out of range: no answer at all
    Refused, // an illegal move: the mover alone hears the code, nothing changes
};

struct RollOutcome {
    Verdict verdict = Verdict::Ignored;
    int seat = 0;
    Dice dice{};
    int points = 0;
    // false: no chip may move (announce it; the turn passes after the delay).
    bool canMove = false;
};

struct MoveOutcome {
    Verdict verdict = Verdict::Ignored;
    int code = 0; // Refused: 1, 2 or 3
    int seat = 0;
    int chip = 0;
    MoveResult move; // Done: new square, the four flags and the chips sent back
    bool win = false;
    // Done and no win: the seat that is now to roll; the mover again after an
    // extra roll, the opponent after a pass.
    int nextplayer = 0;
    bool rollAgain = false;
};

// A chip off start, as a new onlooker's snapshot lists it.
struct ChipPlace {
    int seat, chip, square;
};

struct ChipList {
    std::array<ChipPlace, SeatCount * ChipCount> items{};
    int count = 0;
};

class Game {
public:
    // Starts afresh (also over a running game): every chip at start, then the
    // turn passes as findplayer() does. Returns the seat that is to roll.
    int startgame();

    // Hands the turn to the other seat: both phases 'n', then the new seat's
    // points 0 and phase 'r'. Returns that seat, or 0 (nothing changed) when
    // no game runs.
    int findplayer();

    // The current seat rolls. The source is asked only when the roll is
    // carried out. Without a legal move both phases become 'n'. Given dice
    // must each be 0 or 1, else the roll is ignored.
    RollOutcome rolldice(int seat, DiceSource& source);
    RollOutcome rolldice(int seat, const Dice& dice);

    // The current seat moves a chip by its last points.
    MoveOutcome movepiece(int seat, int chip);

    // The chip the computer would move for the seat with its last points; 0
    // when none may move.
    int computermove(int seat) const;

    // Whether the seat has a legal move for these points.
    bool canmove(int seat, int points) const;

    // Seat 1 then seat 2, chips 1 to 7, each chip not at start.
    ChipList chiplist() const;

    // Sets up a position (tests, and a host that restores a game).
    // A seat outside 1..2 or a square outside 0..16 leaves the game unchanged.
    void setChips(int seat, const Chips& chips);

    // Ends a running game without a winner (the player of a seat is gone).
    void stopgame() {
        gameon_ = false;
        clearPhases();
    }

    bool gameon() const { return gameon_; }
    int currentplayer() const { return currentplayer_; }
    const Dice& dice() const { return dice_; }
    // A seat outside 1..2 reads as an idle seat with every chip at start.
    int roll(int seat) const { return isSeat(seat) ? roll_[index(seat)] : 0; }
    char phase(int seat) const { return isSeat(seat) ? phase_[index(seat)] : 'n'; }
    const Chips& chips(int seat) const;
    const Position& position() const { return pos_; }

private:
    static unsigned index(int seat) { return static_cast<unsigned>(seat - 1); }
    void clearPhases() { phase_ = {'n', 'n'}; }

    Position pos_;
    Dice dice_{};
    std::array<std::uint8_t, SeatCount> roll_{};
    std::array<char, SeatCount> phase_{'n', 'n'};
    std::uint8_t currentplayer_ = 0;
    bool gameon_ = false;
};

} // namespace rules
