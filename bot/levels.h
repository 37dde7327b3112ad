#pragma once
/*
 * The computer's levels, all deciding through the rules core:
 *   "Klot"    the fixed preference rules of rules::computermove;
 *   "Strong"  expectimax over the five dice sums (weights 1:4:6:4:1), two
 *             throws deep, over an evaluation fitted offline to exact values;
 *   "Expert"  the exact table where it covers the position, else the same
 *             search one throw deeper, with the table's values wherever the
 *             search reaches it.
 * The same evaluation gives the player's chances beside the board.
 */
#include "rules.h"
#include "solver.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace levels {

enum class Level : int { Klot = 0, Strong = 1, Expert = 2 };
inline constexpr int LevelCount = 3;
inline constexpr bool isLevel(int n) {
    return n >= 0 && n < LevelCount;
}
const char* levelName(Level level);

inline constexpr int StrongDepth = 2;
// Expert can afford one throw more: most of its leaves are table lookups
// late in the game, and early on the extra throw sees captures coming.
inline constexpr int ExpertDepth = 3;

// What the evaluation looks at, the mover's view less the other seat's
// (the first is a constant: being the one to throw).
inline constexpr int FeatureCount = 8;
using Features = std::array<double, FeatureCount>;
Features features(const rules::Position& pos, int mover);
double evaluateWith(const Features& weights, const Features& x);

// The mover's chance to win before its throw, by the fitted evaluation.
double evaluate(const rules::Position& pos, int mover);

// The chip (1..7) the level moves for `seat` with `points`, or 0 when none
// may move. `table` may be null; "Expert" without it plays as "Strong".
int choose(Level level, const rules::Position& pos, int seat, int points,
           const solver::Table* table);

// The chance that `seat` wins, seen before `mover`'s throw, or after it when
// `points` is 0..4 and the throw is not yet played: the table where it
// covers the position, else the search over the evaluation.
double chance(const rules::Position& pos, int seat, int mover, int points,
              const solver::Table* table);

// The strongest level's own judgement, for reviewing a game: the mover's
// chance to win before its throw, and after each legal move with these points
// (one per square moved from: two chips on one square make the same move).
// Exact where the table covers the position, else its search.
double expertValue(const rules::Position& pos, int mover, const solver::Table* table);
struct MoveValue {
    int chip = 0;
    int from = 0;
    double value = 0; // the mover's chance after the move
};
std::vector<MoveValue> expertMoveValues(const rules::Position& pos, int seat, int points,
                                        const solver::Table* table);

// ---- the process-wide table ----

// The table, once loaded or built; null before. Any thread may ask.
std::shared_ptr<const solver::Table> perfectTable();
void publishPerfectTable(std::shared_ptr<const solver::Table> table);

// $KELVOA_DATA_DIR, else the per-user data folder ($XDG_DATA_HOME or
// ~/.local/share, then "Kelvoa"), with the table's file name.
std::string tableCachePath();

} // namespace levels
