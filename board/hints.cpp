#include "hints.h"

namespace board {

std::vector<Hint> legalHints(const BoardModel& model, int seat, int points) {
    std::vector<Hint> out;
    if (!validSeat(seat) || points < 1 || points > MaxPoints) return out;
    const Tseatboard& b = model.seat(seat);
    for (int chip = 1; chip <= ChipCount; ++chip)
        if (checkMove(b, chip, points) == MoveCheck::Allowed)
            out.push_back({chip, b.chips[chip - 1], b.chips[chip - 1] + points});
    return out;
}

std::vector<Hint> hintsForPlayer(const BoardModel& model, int myseat, bool rollShown,
                                 bool watching) {
    if (watching || rollShown || myseat == 0 || model.whoseturn != myseat) return {};
    const int seat = boardSeat(myseat);
    if (!validSeat(seat)) return {};
    return legalHints(model, seat, model.pending[seat - 1]);
}

} // namespace board
