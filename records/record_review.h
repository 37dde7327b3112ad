#pragma once
// A game record handed to the review: each turn with the board before it.
#include "game_record.h"
#include "game_review.h"

#include <vector>

namespace board {

// The turns of a game as the review reads them; a record that stops fitting
// its board ends the list there (readRecord has already refused such a turn).
std::vector<review::Turn> reviewTurns(const RecordedGame& game);

// True when reading stopped because the text is damaged, not merely because
// its last game has no winner (a game ended without one is kept too).
bool damaged(const ReadRecord& read, const QString& text);

} // namespace board
