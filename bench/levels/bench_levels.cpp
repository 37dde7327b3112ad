// Plays every pair of the computer's levels against each other through the
// rules core, alternating who throws first, and prints the first level's
// share of wins; then what the "Perfect" table cost to build on this machine
// (it is built here first when there is no valid cached one).
//
//   kelvoa-bench-levels [games per pair]
#include "dice.h"
#include "levels.h"
#include "solver.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using levels::Level;
using Clock = std::chrono::steady_clock;

namespace {

struct Timing {
    double total = 0, worst = 0;
    long count = 0;
};

// One game; true when seat 1 wins.
bool playGame(Level one, Level two, int first, rules::DiceSource& dice, const solver::Table* table,
              Timing& strongTime) {
    rules::Position pos;
    int mover = first;
    for (;;) {
        const int points = rules::points(dice.throwdice());
        const Level level = mover == 1 ? one : two;
        const auto t0 = Clock::now();
        const int chip = levels::choose(level, pos, mover, points, table);
        if (level == Level::Strong) {
            const double s = std::chrono::duration<double>(Clock::now() - t0).count();
            strongTime.total += s;
            strongTime.worst = std::max(strongTime.worst, s);
            ++strongTime.count;
        }
        if (chip == 0) {
            mover = rules::otherSeat(mover);
            continue;
        }
        const rules::MoveResult r = rules::applymove(pos, mover, chip, points);
        if (rules::checkforwin(pos.of(mover))) return mover == 1;
        if (!r.rollAgain()) mover = rules::otherSeat(mover);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(2, std::atoi(argv[1])) : 20000;
    const std::string path = levels::tableCachePath();
    solver::LoadError err;
    std::shared_ptr<solver::Table> table = solver::load(path, &err);
    if (!table) {
        std::fprintf(stderr, "No valid table at %s (%s); building it.\n", path.c_str(),
                     solver::loadErrorText(err));
        table = std::make_shared<solver::Table>();
        solver::build(*table, nullptr, {});
        solver::save(*table, path);
    }

    const std::pair<Level, Level> pairs[] = {{Level::Perfect, Level::Klot},
                                             {Level::Strong, Level::Klot},
                                             {Level::Perfect, Level::Strong}};
    Timing strong;
    for (const auto& [a, b] : pairs) {
        std::atomic<long> wins{0};
        std::vector<Timing> timing(2);
        std::vector<std::thread> pool;
        for (int t = 0; t < 2; ++t)
            pool.emplace_back([&, t] {
                rules::SeededDice dice(static_cast<std::uint32_t>(1000 + t));
                for (int g = t; g < games; g += 2)
                    wins += playGame(a, b, g % 2 == 0 ? 1 : 2, dice, table.get(),
                                     timing[static_cast<unsigned>(t)]);
            });
        for (auto& t : pool)
            t.join();
        for (const Timing& t : timing) {
            strong.total += t.total;
            strong.worst = std::max(strong.worst, t.worst);
            strong.count += t.count;
        }
        std::printf("%s vs %s: %.1f%% of %d games\n", levels::levelName(a), levels::levelName(b),
                    100.0 * double(wins) / games, games);
        std::fflush(stdout);
    }
    std::printf("Table: built in %.0f s (%u sweeps), %llu positions, %.1f MB\n",
                table->buildSeconds, table->sweeps,
                static_cast<unsigned long long>(table->values().size()),
                double(table->values().size() * sizeof(std::uint16_t)) / 1e6);
    if (strong.count)
        std::printf("Strong: %.3f ms per choice on average, %.3f ms at most\n",
                    1000 * strong.total / double(strong.count), 1000 * strong.worst);
    return 0;
}
