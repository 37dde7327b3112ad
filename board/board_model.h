#pragma once
// The client's picture of the game: where every chip stands, each seat's
// unspent points and whose turn the host last announced. It decides nothing
// the host does not already know; it only keeps the client from sending moves
// the host would refuse.
#include <QPoint>

#include <array>

namespace board {

inline constexpr int SeatCount = 2;
inline constexpr int ChipCount = 7;
inline constexpr int StartSquare = 0;
inline constexpr int HomeSquare = 16;
inline constexpr int MaxPoints = 4;
// A connection that has been handed seat 1's chips sends and receives them
// under this number.
inline constexpr int HandOverSeat = 3;

inline bool validSeat(int seat) {
    return seat >= 1 && seat <= SeatCount;
}
inline bool validChip(int chip) {
    return chip >= 1 && chip <= ChipCount;
}
inline bool validSquare(int square) {
    return square >= StartSquare && square <= HomeSquare;
}
inline bool validPoints(int points) {
    return points >= 0 && points <= MaxPoints;
}

// Seat 3 plays seat 1's chips; every other number is left as it is.
inline int boardSeat(int seat) {
    return seat == HandOverSeat ? 1 : seat;
}

// Squares where chips of one seat may stand together and a landing earns
// another roll; home counts as one.
bool isRosette(int square);

// A board cell; (-1,-1) is off the board (start and home).
struct Cell {
    int column = -1;
    int row = -1;
    friend bool operator==(const Cell&, const Cell&) = default;
};

struct Tseatboard {
    std::array<Cell, HomeSquare + 1> route{};
    std::array<int, ChipCount> chips{}; // square of chips 1..7, index chip-1
};

// The fixed route of a seat, square 0..16 to cell.
const std::array<Cell, HomeSquare + 1>& routeOf(int seat);

// Top-left corner, in board panel pixels, of the 24 x 24 picture of 'chip' of
// 'seat' standing on 'square'. Seat, chip and square must be valid.
QPoint placechipPosition(int seat, int chip, int square);

// The local check of a chosen chip against the seat's board and its unspent
// points, in the order the host judges it.
enum class MoveCheck {
    Allowed,
    NoPoints,     // nothing to spend: ignored without a word
    NeedsOne,     // a chip enters only with exactly one point
    PastHome,     // bearing off takes the exact count
    OwnChipThere, // own chips share only rosettes
};
MoveCheck checkMove(const Tseatboard& board, int chip, int points);

struct BoardModel {
    std::array<Tseatboard, SeatCount> seatboards;
    std::array<int, SeatCount> pending{}; // unspent points per seat
    int whoseturn = 0;

    BoardModel();
    Tseatboard& seat(int seat) { return seatboards[seat - 1]; }
    const Tseatboard& seat(int seat) const { return seatboards[seat - 1]; }
    int& square(int seat, int chip) { return seatboards[seat - 1].chips[chip - 1]; }
    int& points(int seat) { return pending[seat - 1]; }
    // Every chip back to start; turn and points are the host's to change.
    void resetChips();
};

} // namespace board
