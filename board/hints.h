#pragma once
// Which chips the player may move with the points just thrown, and where each
// would land. A pure function of the client's board, so it can be held against
// the host's own legal-move test.
#include "board_model.h"

#include <vector>

namespace board {

struct Hint {
    int chip = 0; // 1..7
    int from = 0; // square now
    int to = 0;   // square after the move (16 home)
    friend bool operator==(const Hint&, const Hint&) = default;
};

// The legal moves of 'seat' (1 or 2) with 'points', lowest chip first; empty
// for an invalid seat or points outside 1..4. Opponent chips never block a
// move, so the other seat's board is not needed.
std::vector<Hint> legalHints(const BoardModel& model, int seat, int points);

// The hints the local player should see now: only on the own move, after the
// own roll came back, never while a move is on its way to the host. 'myseat'
// is the connection number (3 plays seat 1's chips); 'rollShown' is the
// Roll Dice button's visibility.
std::vector<Hint> hintsForPlayer(const BoardModel& model, int myseat, bool rollShown,
                                 bool watching);

} // namespace board
