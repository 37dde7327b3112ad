#pragma once
// The pictures of the board panel, read from the program's resources.
#include <QImage>
#include <QPixmap>

#include <array>
#include <future>
#include <vector>

namespace board {

struct BoardPictures {
    QPixmap board, path1, path2, turn, eyes, buttonRoll, buttonStart, route1, route2;
    // 0 seat 1's disc, 1 seat 2's disc, chip + 1 the dot mark of that chip.
    std::array<QPixmap, 9> imagelist_chips;
    // 0 plain tip up, 1 marked tip up, 2 no die.
    std::array<QPixmap, 3> imagelist_pieces;

    // Decoding is most of what the pictures cost at start-up, and needs no
    // window system: it may run on a thread of its own while the window's
    // other controls are built. The images come in the order the
    // constructor below takes them.
    static std::future<std::vector<QImage>> decodeElsewhere();
    explicit BoardPictures(std::vector<QImage> decoded);
    BoardPictures();
    // A chip as it stands on the board: its seat's disc under its dot mark.
    QPixmap composeChip(int seat, int chip) const;
    // The die picture for a value; anything but 0 or 1 shows no die.
    const QPixmap& die(int value) const;
};

} // namespace board
