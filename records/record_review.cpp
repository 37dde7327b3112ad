#include "record_review.h"

namespace board {

std::vector<review::Turn> reviewTurns(const RecordedGame& game) {
    const std::vector<Squares> squares = replay(game);
    std::vector<review::Turn> out;
    for (std::size_t i = 0; i + 1 < squares.size() && i < game.turns.size(); ++i) {
        review::Turn t;
        for (int seat = 1; seat <= SeatCount; ++seat)
            for (int chip = 1; chip <= ChipCount; ++chip)
                t.before.of(seat)[unsigned(chip - 1)] =
                    std::uint8_t(squares[i][unsigned(seat - 1)][unsigned(chip - 1)]);
        t.seat = game.turns[i].seat;
        t.points = game.turns[i].points;
        t.chip = game.turns[i].chip;
        out.push_back(t);
    }
    return out;
}

bool damaged(const ReadRecord& read, const QString& text) {
    if (!read.stoppedAtLine) return false;
    if (read.games.empty()) return true;
    // readRecord names the line after the last for a game without a winner.
    const QStringList all = text.split(QLatin1Char('\n'));
    const int count = int(all.size()) - (all.isEmpty() || all.last().isEmpty() ? 1 : 0);
    return read.stoppedAtLine <= count;
}

} // namespace board
