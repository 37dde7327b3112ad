#pragma once
/*
 * A game reviewed by the strongest level: for every turn in which a chip
 * could move, the mover's chance to win after the move that was played and
 * after the best move for the same throw, and what the difference makes of
 * the move. Exact where the table covers the position, the level's search
 * elsewhere. Free of widgets and files: the record viewer and the
 * command-line tool both hand it the turns they read.
 */
#include "rules.h"
#include "solver.h"

#include <array>
#include <atomic>
#include <functional>
#include <vector>

namespace review {

// Chance lost, in percentage points of winning chance, from which a move
// counts as an inaccuracy, a mistake or a blunder. Under half a point the
// search's fitted evaluation cannot tell two moves apart with confidence, so
// such a move counts as best. Three points is roughly what one chip sent back
// from the middle of the board costs in an even race; eight points is a lost
// race turned into an even one, or worse.
inline constexpr double InaccuracyFrom = 0.5;
inline constexpr double MistakeFrom = 3.0;
inline constexpr double BlunderFrom = 8.0;

enum class Mark { Best, Inaccuracy, Mistake, Blunder };
const char* markName(Mark m); // "best", "inaccuracy", "mistake", "blunder"
Mark markFor(double lossPoints);

// One turn as played: the board before the throw, who threw, the points and
// the chip moved (0: none was).
struct Turn {
    rules::Position before;
    int seat = 0;
    int points = 0;
    int chip = 0;
};

struct Rating {
    int turn = 0; // index into the turns handed in
    int seat = 0;
    int points = 0;
    int playedFrom = 0, playedTo = 0;
    int bestFrom = 0, bestTo = 0; // the played move when it is as good as the best
    int bestChip = 0;
    double played = 0; // the mover's chance after the played move
    double best = 0;   // after the best move
    int choices = 0;   // distinct legal moves; 1 is a forced move
    double loss() const { return (best - played) * 100.0; } // percentage points
    Mark mark = Mark::Best;
};

// A throw's luck, in percentage points of the mover's winning chance: the
// chance after the best move with the points thrown, less the average of
// that over the five sums fair dice give. Exact where the table covers the
// position. From this many points a throw counts as very lucky or unlucky,
// as a move counts as a blunder from as many lost.
inline constexpr double VeryLuckyFrom = 8.0;
double luck(const rules::Position& before, int seat, int points, const solver::Table* table);

struct SeatSummary {
    int moves = 0; // rated moves
    int best = 0, inaccuracies = 0, mistakes = 0, blunders = 0;
    double lost = 0; // percentage points, over all moves
    int throws = 0;
    double luck = 0;   // percentage points, over all throws
    double result = 0; // the seat's chance at the end less at the start, in points
    // What is left of the result when the dice are taken out: skill.
    double adjusted() const { return result - luck; }
    // The share of the seat's moves that were best, in percent (100 with none).
    double accuracy() const { return moves ? 100.0 * best / moves : 100.0; }
};

struct Review {
    std::vector<Rating> ratings; // the turns in which a chip could move, in order
    std::array<SeatSummary, rules::SeatCount> seats{};
    // Seat 1's chance before the first throw (index 0) and after each turn.
    std::vector<double> seat1Chance;
    std::vector<double> luck; // of each turn's throw, for its mover, in points
    // The (at most three) turns that moved the chance most, in turn order.
    std::vector<int> keyTurns;
    bool exact = false;   // a table was at hand
    bool complete = true; // false when cancelled
};

// Rates one turn; false when no chip could move with its points.
bool rate(const Turn& turn, const solver::Table* table, Rating& out);

// Reviews a whole game on `threads` threads. `progress(done, total)` is called
// from the worker threads; `cancel` is read between turns.
Review reviewGame(const std::vector<Turn>& turns, const solver::Table* table, int threads = 2,
                  const std::atomic<bool>* cancel = nullptr,
                  const std::function<void(int, int)>& progress = {});

} // namespace review
