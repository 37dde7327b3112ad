#include "board_speech.h"

#include <QStringList>

namespace board {

int BoardSpeech::squareAt(int seat, Cell cell) {
    const auto& route = routeOf(seat);
    for (int square = StartSquare + 1; square < HomeSquare; ++square)
        if (route[static_cast<unsigned>(square)] == cell) return square;
    return 0;
}

QString BoardSpeech::numberList(const QList<int>& numbers) {
    QStringList words;
    for (int n : numbers)
        words << QString::number(n);
    if (words.size() < 2) return words.join(QString());
    const QString last = words.takeLast();
    return tr("%1 and %2", "a list of chip numbers: 1, 2 and 5")
        .arg(words.join(QStringLiteral(", ")), last);
}

QString BoardSpeech::moveTo(int square) {
    return square == HomeSquare ? tr("may move home") : tr("may move to square %1").arg(square);
}

QString BoardSpeech::squareName(const Reader& r, Cell cell, bool lower) {
    const int mine = readingSeat(r);
    if (const int square = squareAt(mine, cell))
        return lower ? tr("square %1").arg(square) : tr("Square %1").arg(square);
    const int other = mine == 1 ? 2 : 1;
    if (const int square = squareAt(other, cell))
        return tr("%1's square %2").arg(r.names[other - 1]).arg(square);
    return lower ? tr("no square") : tr("No square");
}

QString BoardSpeech::cell(const Reader& r, Cell c) {
    QStringList parts{squareName(r, c, false)};
    const int mine = readingSeat(r);
    const int square = squareAt(mine, c) ? squareAt(mine, c) : squareAt(mine == 1 ? 2 : 1, c);
    if (square == 0) return parts.first();
    if (isRosette(square)) parts << tr("rosette");
    bool anyChip = false;
    // The reader's own chips first: they are the ones to act on.
    const std::array<int, SeatCount> order = r.own == 2 ? std::array{2, 1} : std::array{1, 2};
    for (int seat : order) {
        const int here = squareAt(seat, c);
        if (!here || !r.model) continue;
        QList<int> chips;
        for (int chip = 1; chip <= ChipCount; ++chip)
            if (r.model->seat(seat).chips[static_cast<unsigned>(chip - 1)] == here) chips << chip;
        if (chips.isEmpty()) continue;
        anyChip = true;
        const QString& name = r.names[seat - 1];
        if (isOwn(r, seat)) {
            parts << (chips.size() == 1 ? tr("your chip %1") : tr("your chips %1"))
                         .arg(numberList(chips));
            // Chips of one seat on one cell share their square and so their move.
            for (const Hint& h : r.moves)
                if (h.from == here) {
                    parts << moveTo(h.to);
                    break;
                }
        } else {
            parts << (chips.size() == 1 ? tr("%1's chip").arg(name)
                                        : tr("%1's %2 chips").arg(name).arg(chips.size()));
        }
    }
    if (!anyChip) parts << tr("empty");
    return parts.join(QStringLiteral(", "));
}

QString BoardSpeech::pile(const Reader& r, int seat, bool home) {
    const QString& name = r.names[seat - 1];
    const QString who = isOwn(r, seat)
                            ? (home ? tr("Your home pile") : tr("Your start pile"))
                            : (home ? tr("%1's home pile") : tr("%1's start pile")).arg(name);
    int count = 0;
    if (r.model)
        for (int square : r.model->seat(seat).chips)
            if (square == (home ? HomeSquare : StartSquare)) ++count;
    QString text = tr("%1: %2").arg(who, count == 0   ? tr("no chips")
                                         : count == 1 ? tr("1 chip")
                                                      : tr("%1 chips").arg(count));
    if (!home && isOwn(r, seat))
        for (const Hint& h : r.moves)
            if (h.from == StartSquare) return tr("%1, %2").arg(text, moveTo(h.to));
    return text;
}

QString BoardSpeech::chip(const Reader& r, int seat, int chip) {
    const QString owner = isOwn(r, seat) ? tr("Your chip %1").arg(chip)
                                         : tr("%1's chip %2").arg(r.names[seat - 1]).arg(chip);
    const int square = r.model ? r.model->seat(seat).chips[static_cast<unsigned>(chip - 1)] : 0;
    QString place;
    if (square == StartSquare)
        place = tr("in the start pile");
    else if (square == HomeSquare)
        place = tr("in the home pile");
    else
        place = tr("on %1").arg(squareName(r, routeOf(seat)[static_cast<unsigned>(square)], true));
    QString text = tr("%1, %2").arg(owner, place);
    if (isOwn(r, seat))
        for (const Hint& h : r.moves)
            if (h.chip == chip) return tr("%1, %2").arg(text, moveTo(h.to));
    return text;
}

QString BoardSpeech::row(const Reader& r, int row) {
    if (row == 1) return tr("Middle row");
    const int seat = row == 0 ? 1 : 2;
    return isOwn(r, seat) ? tr("Your row") : tr("%1's row").arg(r.names[seat - 1]);
}

QString BoardSpeech::dice(const std::array<int, 4>& values) {
    int points = 0;
    for (int v : values) {
        if (v != 0 && v != 1) return tr("Dice: not thrown yet");
        points += v;
    }
    return points == 1 ? tr("Dice: 1 point") : tr("Dice: %1 points").arg(points);
}

QString BoardSpeech::die(int number, int value) {
    if (value == 1) return tr("Die %1: marked tip up").arg(number);
    if (value == 0) return tr("Die %1: plain tip up").arg(number);
    return tr("Die %1: not thrown yet").arg(number);
}

} // namespace board
