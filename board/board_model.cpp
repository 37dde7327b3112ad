#include "board_model.h"

#include <QtGlobal>

namespace board {

bool isRosette(int square) {
    return square == 4 || square == 8 || square == 12 || square == 14 || square == HomeSquare;
}

namespace {
constexpr Cell Off{-1, -1};

// Each seat runs along its own row from column 3 to 0, along the shared middle
// row, round the right-hand block through the other seat's row, and off the
// board from its own row.
constexpr std::array<Cell, HomeSquare + 1> Route1{{Off,
                                                   {3, 0},
                                                   {2, 0},
                                                   {1, 0},
                                                   {0, 0},
                                                   {0, 1},
                                                   {1, 1},
                                                   {2, 1},
                                                   {3, 1},
                                                   {4, 1},
                                                   {5, 1},
                                                   {5, 2},
                                                   {6, 2},
                                                   {6, 1},
                                                   {6, 0},
                                                   {5, 0},
                                                   Off}};
constexpr std::array<Cell, HomeSquare + 1> Route2{{Off,
                                                   {3, 2},
                                                   {2, 2},
                                                   {1, 2},
                                                   {0, 2},
                                                   {0, 1},
                                                   {1, 1},
                                                   {2, 1},
                                                   {3, 1},
                                                   {4, 1},
                                                   {5, 1},
                                                   {5, 0},
                                                   {6, 0},
                                                   {6, 1},
                                                   {6, 2},
                                                   {5, 2},
                                                   Off}};

// Pile and cell geometry of the board picture, in board panel pixels.
constexpr int CellSize = 48;
constexpr int PileTop[SeatCount] = {14, 203};
constexpr int HomePileLeft = 268;  // chip n lies at HomePileLeft + 5n
constexpr int StartPileLeft = 164; // chip n lies at StartPileLeft - 5n
constexpr int PileStep = 5;
constexpr int FanStep = 3; // chips of one seat on one cell fan out by this
} // namespace

const std::array<Cell, HomeSquare + 1>& routeOf(int seat) {
    return seat == 2 ? Route2 : Route1;
}

QPoint placechipPosition(int seat, int chip, int square) {
    Q_ASSERT(validSeat(seat) && validChip(chip) && validSquare(square));
    const int top = PileTop[seat - 1];
    if (square == HomeSquare) return {HomePileLeft + PileStep * chip, top};
    if (square == StartSquare) return {StartPileLeft - PileStep * chip, top};
    const Cell c = routeOf(seat)[square];
    // Seat 1 sits in the upper left of a cell and seat 2 in the lower right,
    // so chips of both seats on one shared cell stay visible.
    if (seat == 1) return {CellSize * c.column + 12 + FanStep * chip, CellSize * c.row + 48};
    return {CellSize * c.column + 38 - FanStep * chip, CellSize * c.row + 68};
}

MoveCheck checkMove(const Tseatboard& board, int chip, int points) {
    if (points < 1) return MoveCheck::NoPoints;
    const int from = board.chips[chip - 1];
    if (from == StartSquare && points != 1) return MoveCheck::NeedsOne;
    const int to = from + points;
    if (to > HomeSquare) return MoveCheck::PastHome;
    if (!isRosette(to))
        for (int other = 1; other <= ChipCount; ++other)
            if (other != chip && board.chips[other - 1] == to) return MoveCheck::OwnChipThere;
    return MoveCheck::Allowed;
}

BoardModel::BoardModel() {
    for (int s = 1; s <= SeatCount; ++s)
        seat(s).route = routeOf(s);
    resetChips();
}

void BoardModel::resetChips() {
    for (auto& b : seatboards)
        b.chips.fill(StartSquare);
}

} // namespace board
