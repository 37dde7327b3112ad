#include "dice_stats.h"

#include <cmath>

namespace board {

void DiceStats::add(int seat, int points) {
    if ((seat != 1 && seat != 2) || points < 0 || points >= Sums) return;
    ++counts_[seat - 1][points];
}

int DiceStats::count(int seat, int sum) const {
    if (sum < 0 || sum >= Sums) return 0;
    if (seat == 0) return counts_[0][sum] + counts_[1][sum];
    if (seat != 1 && seat != 2) return 0;
    return counts_[seat - 1][sum];
}

int DiceStats::total(int seat) const {
    int n = 0;
    for (int s = 0; s < Sums; ++s)
        n += count(seat, s);
    return n;
}

double DiceStats::share(int seat, int sum) const {
    const int n = total(seat);
    return n ? double(count(seat, sum)) / n : 0.0;
}

double DiceStats::chiSquare(int seat) const {
    const int n = total(seat);
    if (n == 0) return 0.0;
    double x = 0;
    for (int s = 0; s < Sums; ++s) {
        const double e = n * Expected[s];
        const double d = count(seat, s) - e;
        x += d * d / e;
    }
    return x;
}

double DiceStats::pValue(int seat) const {
    return total(seat) ? chiSquareTail4(chiSquare(seat)) : 1.0;
}

double DiceStats::chiSquareTail4(double x) {
    if (x <= 0) return 1.0;
    return std::exp(-x / 2) * (1 + x / 2);
}

} // namespace board
