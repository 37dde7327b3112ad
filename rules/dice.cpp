#include "dice.h"

#include <chrono>

namespace rules {

namespace {

struct ProcessGenerator {
    std::mt19937 gen;
    bool seeded = false;
};

ProcessGenerator& state() {
    static ProcessGenerator g;
    return g;
}

// Each output bit of the generator is an even draw; one output gives all four dice.
Dice fromBits(std::uint32_t bits) {
    return {static_cast<std::uint8_t>(bits & 1u), static_cast<std::uint8_t>((bits >> 1) & 1u),
            static_cast<std::uint8_t>((bits >> 2) & 1u),
            static_cast<std::uint8_t>((bits >> 3) & 1u)};
}

} // namespace

void seed(std::uint32_t value) {
    state().gen.seed(value);
    state().seeded = true;
}

void seedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

std::mt19937& processGenerator() {
    if (!state().seeded) seedFromClock();
    return state().gen;
}

Dice RandomDice::throwdice() {
    return fromBits(static_cast<std::uint32_t>(processGenerator()()));
}

Dice SeededDice::throwdice() {
    return fromBits(static_cast<std::uint32_t>(gen_()));
}

ScriptedDice::ScriptedDice(std::initializer_list<int> pointsList) {
    for (int p : pointsList)
        pushPoints(p);
}

void ScriptedDice::pushPoints(int p) {
    Dice d{};
    for (int i = 0; i < 4 && i < p; ++i)
        d[static_cast<unsigned>(i)] = 1;
    push(d);
}

Dice ScriptedDice::throwdice() {
    if (script_.empty()) return Dice{};
    const Dice d = script_.front();
    script_.pop_front();
    return d;
}

} // namespace rules
