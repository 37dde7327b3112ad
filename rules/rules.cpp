#include "rules.h"

namespace rules {

namespace {

// Squares where this seat's chips stand alone: a second own chip may not join
// them. Rosettes and start are left out, as they hold any number.
std::uint32_t blockedSquares(const Chips& own) {
    std::uint32_t mask = 0;
    for (std::uint8_t q : own)
        mask |= 1u << q;
    return mask & ~RosetteMask & ~1u;
}

bool validMove(int chip, int points) {
    return isChip(chip) && points >= 1 && points <= MaxPoints;
}

} // namespace

MoveError checkmove(const Chips& own, int chip, int points) {
    if (!validMove(chip, points)) return MoveError::Invalid;
    const int from = own[static_cast<unsigned>(chip - 1)];
    const int target = from + points;
    if (target > Home) return MoveError::PastHome;
    if (from == Start && points != 1) return MoveError::NotOne;
    // The moving chip itself never stands on its target, since points > 0.
    if ((blockedSquares(own) >> target) & 1u) return MoveError::OwnChip;
    return MoveError::None;
}

std::uint8_t legalChips(const Chips& own, int points) {
    if (points < 1 || points > MaxPoints) return 0;
    const std::uint32_t blocked = blockedSquares(own);
    std::uint8_t legal = 0;
    for (unsigned c = 0; c < ChipCount; ++c) {
        const unsigned from = own[c];
        const unsigned target = from + static_cast<unsigned>(points);
        if (target > Home) continue;
        if (from == Start && points != 1) continue;
        if ((blocked >> target) & 1u) continue;
        legal = static_cast<std::uint8_t>(legal | (1u << c));
    }
    return legal;
}

MoveResult applymove(Position& pos, int seat, int chip, int points) {
    MoveResult r;
    Chips& own = pos.of(seat);
    auto& square = own[static_cast<unsigned>(chip - 1)];
    r.from = square;
    r.square = static_cast<std::uint8_t>(square + points);
    r.entered = r.from == Start;
    r.home = r.square == Home;
    r.rosette = isRosette(r.square);
    if (isCaptureSquare(r.square)) {
        Chips& theirs = pos.of(otherSeat(seat));
        const int across = acrossSquare(r.square);
        for (unsigned k = 0; k < ChipCount; ++k) {
            if (theirs[k] != across) continue;
            theirs[k] = Start;
            r.victims[r.victimCount++] = static_cast<std::uint8_t>(k + 1);
        }
        r.capture = r.victimCount > 0;
    }
    square = r.square;
    return r;
}

bool checkforwin(const Chips& own) {
    for (std::uint8_t q : own)
        if (q != Home) return false;
    return true;
}

int computermove(const Chips& own, int points) {
    const std::uint8_t legal = legalChips(own, points);
    if (legal == 0) return 0;
    auto pick = [&](auto qualifies) {
        for (unsigned c = 0; c < ChipCount; ++c)
            if (((legal >> c) & 1u) && qualifies(own[c])) return static_cast<int>(c + 1);
        return 0;
    };
    int chip = 0;
    if (points == 1) chip = pick([](int q) { return q == Start; });
    if (chip == 0) chip = pick([](int q) { return q == 1; });
    if (chip == 0) chip = pick([&](int q) { return isRosette(q + points); });
    if (chip == 0) chip = pick([](int) { return true; });
    return chip;
}

} // namespace rules
