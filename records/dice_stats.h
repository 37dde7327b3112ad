#pragma once
// How often each sum of the four dice came up, per seat and in all, beside
// what fair dice give: four two-sided dice show 0 to 4 marked tips in the
// proportion 1:4:6:4:1. Pearson's chi-square over the five sums (four degrees
// of freedom) says how surprising the counts would be from fair dice.
#include <array>

namespace board {

class DiceStats {
public:
    static constexpr int Sums = 5; // 0..4
    // 1:4:6:4:1 out of 16.
    static constexpr std::array<double, Sums> Expected{1 / 16.0, 4 / 16.0, 6 / 16.0, 4 / 16.0,
                                                       1 / 16.0};

    // A throw of 'seat' (1 or 2) with 'points' marked tips; anything out of
    // range is not counted.
    void add(int seat, int points);
    void clear() { counts_ = {}; }

    // seat 1 or 2, or 0 for both together.
    int count(int seat, int sum) const;
    int total(int seat) const;
    // Share of throws with this sum, 0 when nothing was thrown.
    double share(int seat, int sum) const;
    // Pearson's statistic against the fair proportions; 0 with no throws.
    double chiSquare(int seat) const;
    // Chance that fair dice give a statistic at least this large; 1 with no throws.
    double pValue(int seat) const;

    // Survival function of the chi-square distribution with 4 degrees of
    // freedom: exp(-x/2) (1 + x/2).
    static double chiSquareTail4(double x);

private:
    std::array<std::array<int, Sums>, 2> counts_{};
};

} // namespace board
