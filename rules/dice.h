#pragma once
/*
 * The four two-sided dice. The host draws them from one process-wide
 * generator, seeded once from the clock; the rules reach them only through
 * DiceSource so that tests can script exact throws.
 */
#include <array>
#include <cstdint>
#include <deque>
#include <random>

namespace rules {

// Four dice, each 0 or 1.
using Dice = std::array<std::uint8_t, 4>;

// The number of dice showing 1, 0 to 4.
inline int points(const Dice& d) {
    return d[0] + d[1] + d[2] + d[3];
}

class DiceSource {
public:
    virtual ~DiceSource() = default;
    virtual Dice throwdice() = 0;
};

// The process-wide generator. The first use seeds it from the clock unless
// seedFromClock() or seed() already did.
std::mt19937& processGenerator();
void seedFromClock();
void seed(std::uint32_t value);

// Fair dice from the process-wide generator: four independent even draws.
class RandomDice final : public DiceSource {
public:
    Dice throwdice() override;
};

// Fair dice from a generator of its own, for reproducible runs (benchmarks,
// property tests) that must not disturb the process-wide one.
class SeededDice final : public DiceSource {
public:
    explicit SeededDice(std::uint32_t seed) : gen_(seed) {}
    Dice throwdice() override;

private:
    std::mt19937 gen_;
};

// Throws given in advance, in order. When the script runs out every further
// throw shows nothing, which a test sees as a roll of 0 points.
class ScriptedDice final : public DiceSource {
public:
    ScriptedDice() = default;
    ScriptedDice(std::initializer_list<int> pointsList);

    void push(const Dice& d) { script_.push_back(d); }
    // The first p dice show 1, the rest 0.
    void pushPoints(int p);
    int remaining() const { return static_cast<int>(script_.size()); }
    Dice throwdice() override;

private:
    std::deque<Dice> script_;
};

} // namespace rules
