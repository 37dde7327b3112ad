#pragma once
// What the table's layout and its builder share: the ranking of each seat's
// private part and the laying out of a position from its parts.
#include "rules.h"

#include <array>
#include <cstdint>
#include <vector>

namespace solver {

inline constexpr int Cells = 8;
inline constexpr int Patterns = 6561; // 3^8
inline constexpr int PrivCodes = 1 << 15;

struct Parts {
    std::array<std::uint16_t, PrivCodes> rank{};
    std::vector<std::uint16_t> byRank;
    std::array<std::uint32_t, rules::ChipCount + 1> upTo{}; // parts with at most n chips
    // The squares of each ranked part, and how many.
    std::vector<std::array<std::uint8_t, rules::ChipCount>> squares;
    std::vector<std::uint8_t> count;
    std::array<std::uint8_t, Patterns> mine{}, theirs{}; // chips of each seat in a pattern

    Parts();
};

const Parts& parts();

// Lays out a position from its parts: chips home, the pattern of shared
// squares, then each seat's private part; the rest stand at start.
void fillPosition(rules::Position& pos, int h1, int h2, int s, std::uint32_t r1, std::uint32_t r2);

} // namespace solver
