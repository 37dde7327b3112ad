#pragma once
/*
 * The rules of the race, as pure functions over chip squares.
 *
 * Each seat numbers the squares of its own path: 0 is start (off the board),
 * 1 to 15 the path in travel order, 16 home. The two paths share the middle
 * row (5 to 10 and 13, same numbers for both seats) and cross each other's
 * far cells: one seat's 11 is the other's 15, its 12 the other's 14. Squares
 * 1 to 4, start and home belong to one seat alone.
 *
 * Rosettes (4, 8, 12, 14, and home) may hold any number of chips of either
 * seat; every other square holds at most one chip per seat, and landing on
 * the opponent's chip there sends that chip back to start.
 *
 * Everything here is cheap: a seat's chips are seven bytes, a position two
 * such arrays, and the legal-move test works on a bit set of occupied
 * squares, so a search can run it millions of times a second.
 */
#include <array>
#include <cstdint>

namespace rules {

inline constexpr int SeatCount = 2;
inline constexpr int ChipCount = 7;
inline constexpr int Start = 0;
inline constexpr int Home = 16;
inline constexpr int DiceCount = 4;
inline constexpr int MaxPoints = 4;

// Squares of chips 1..7 of one seat (index chip - 1), each 0..16.
using Chips = std::array<std::uint8_t, ChipCount>;

// Both seats' chips; seat 1 is index 0.
struct Position {
    std::array<Chips, SeatCount> seat{};

    Chips& of(int s) { return seat[static_cast<unsigned>(s - 1)]; }
    const Chips& of(int s) const { return seat[static_cast<unsigned>(s - 1)]; }
    friend bool operator==(const Position&, const Position&) = default;
};

inline constexpr bool isSeat(int s) {
    return s == 1 || s == 2;
}
inline constexpr bool isChip(int c) {
    return c >= 1 && c <= ChipCount;
}
inline constexpr bool isSquare(int q) {
    return q >= Start && q <= Home;
}
inline constexpr bool isPoints(int p) {
    return p >= 0 && p <= MaxPoints;
}
inline constexpr int otherSeat(int s) {
    return 3 - s;
}

inline constexpr std::uint32_t RosetteMask =
    (1u << 4) | (1u << 8) | (1u << 12) | (1u << 14) | (1u << Home);

// Home counts as a rosette: many chips rest there and reaching it earns a roll.
inline constexpr bool isRosette(int q) {
    return isSquare(q) && ((RosetteMask >> q) & 1u) != 0;
}

// The other seat's number for the same board square, or -1 when the square
// belongs to this seat alone (start, 1 to 4, home).
inline constexpr int acrossSquare(int q) {
    constexpr std::array<std::int8_t, 17> table{-1, -1, -1, -1, -1, 5,  6,  7, 8,
                                                9,  10, 15, 14, 13, 12, 11, -1};
    return isSquare(q) ? table[static_cast<unsigned>(q)] : -1;
}

// A square where a chip can be sent back: shared with the other seat and no rosette.
inline constexpr bool isCaptureSquare(int q) {
    return acrossSquare(q) >= 0 && !isRosette(q);
}

// The refusals of a move, in the order they are tested. The first three are
// answered to the mover; Invalid (points outside 1..4, chip outside 1..7) is
// a request that is ignored, never answered.
enum class MoveError : std::uint8_t {
    None = 0,
    PastHome = 1, // the points would carry the chip beyond home
    NotOne = 2,   // a chip enters from start only with exactly 1 point
    OwnChip = 3,  // an own chip holds the target, which is no rosette
    Invalid = 4,
};

// The legal-move test for chip 1..7 of a seat with points p.
MoveError checkmove(const Chips& own, int chip, int points);

// Bit (chip - 1) is set for every chip that may move with these points; 0
// when points are outside 1..4 (a roll of nothing moves nothing).
std::uint8_t legalChips(const Chips& own, int points);

inline bool canmove(const Chips& own, int points) {
    return legalChips(own, points) != 0;
}

// What one legal move did.
struct MoveResult {
    std::uint8_t from = 0;
    std::uint8_t square = 0; // the chip's new square
    bool entered = false;    // it came from start
    bool home = false;       // it reached 16
    bool capture = false;    // at least one opponent chip went back
    bool rosette = false;    // the new square is a rosette (home included)
    std::uint8_t victimCount = 0;
    std::array<std::uint8_t, ChipCount> victims{}; // opponent chips sent back, ascending

    // Entering, bearing off, sending back and a rosette each earn another roll.
    bool rollAgain() const { return entered || home || capture || rosette; }
};

// Carries out a move that checkmove() accepted: moves the chip and sends back
// the opponent's chips on the same board square.
MoveResult applymove(Position& pos, int seat, int chip, int points);

// All seven chips home.
bool checkforwin(const Chips& own);

// The computer's choice for points p: the first rule that finds a chip
// decides, lowest chip first within a rule:
//   1. p is 1: a chip at start that may enter;
//   2. a chip on square 1 that may move (it clears the entry square);
//   3. a chip whose legal move ends on a rosette (home included);
//   4. any chip that may move.
// Returns the chip 1..7, or 0 when none may move.
int computermove(const Chips& own, int points);

} // namespace rules
