#pragma once
// The board in words, for a player who cannot see it: each cell, each pile,
// each chip and the dice, said from the reader's side of the table. Squares
// are counted along the reader's own route (a watcher counts along seat 1's),
// so "square 9" is where the reader's chip lands with the points just thrown.
// It decides nothing; it says what the client's board model and the allowed
// moves already hold.
#include "board_model.h"
#include "hints.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <vector>

namespace board {

inline constexpr int BoardRows = 3;
inline constexpr int BoardColumns = 7;

// What the reader knows besides the board: whose chips are theirs and the
// names as the name labels show them.
struct Reader {
    const BoardModel* model = nullptr;
    int own = 0; // the seat whose chips the reader plays; 0 for a watcher
    std::array<QString, SeatCount> names;
    std::vector<Hint> moves; // the reader's moves allowed now
};

class BoardSpeech {
    Q_DECLARE_TR_FUNCTIONS(board::BoardSpeech)
public:
    // The square of 'seat' that lies on 'cell'; 0 where its route does not
    // pass (the other seat's first four squares and the two gaps).
    static int squareAt(int seat, Cell cell);
    // "Square 5, rosette, your chip 3", "Square 7, Klot's chip", "No square".
    static QString cell(const Reader& r, Cell cell);
    // "Your start pile: 6 chips, may move to square 1".
    static QString pile(const Reader& r, int seat, bool home);
    // "Your chip 3, on square 5, may move to square 8".
    static QString chip(const Reader& r, int seat, int chip);
    // "Your row", "Middle row", "Klot's row".
    static QString row(const Reader& r, int row);
    // "Dice: 3 points"; a die outside 0 and 1 is not thrown yet.
    static QString dice(const std::array<int, 4>& values);
    // "Die 2: marked tip up".
    static QString die(int number, int value);

private:
    static int readingSeat(const Reader& r) { return r.own ? r.own : 1; }
    static bool isOwn(const Reader& r, int seat) { return r.own == seat; }
    // "Square 5" or "Klot's square 3"; 'lower' for the middle of a line.
    static QString squareName(const Reader& r, Cell cell, bool lower);
    static QString moveTo(int square);
    static QString numberList(const QList<int>& numbers);
};

} // namespace board
