// Plays every pair of the computer's levels against each other through the
// rules core, alternating who throws first, and prints the first level's
// share of wins; then what the "Expert" level's exact table cost to build on this machine
// (it is built here first when there is no valid cached one); then how often
// Expert's choice is an exact best move five chips home in total, against a
// table one layer deeper than Expert's, built here for the measurement only,
// and what each level gives away there per decision, in points of winning
// chance, against that exact play.
//
//   kelvoa-bench-levels [games per pair [positions sampled]]
//   kelvoa-bench-levels --table [chips home in total] [--against FILE]
// The second form only builds the table from nothing, ignoring the cache,
// says what it cost and, given a table file of the same coverage, how far
// the two lie apart.
#include "dice.h"
#include "levels.h"
#include "solver.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
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

// The exact chance of the mover after moving `chip`.
double exactAfter(const solver::Table& exact, const rules::Position& pos, int chip, int points) {
    rules::Position next = pos;
    const rules::MoveResult r = rules::applymove(next, 1, chip, points);
    if (rules::checkforwin(next.of(1))) return 1.0;
    return r.rollAgain() ? exact.value(next, 1) : 1.0 - exact.value(next, 2);
}

// Samples positions with five chips home in total (seat 1 to move) and, for
// every throw that leaves a choice, checks Expert's move against exact play.
void agreement(int samples) {
    constexpr int HomeSum = 5;
    const auto t0 = Clock::now();
    solver::Table exact(HomeSum);
    solver::build(exact, nullptr, {});
    const double built = std::chrono::duration<double>(Clock::now() - t0).count();
    // Expert's own table, the layers from six on, taken from the deeper one.
    solver::Table own;
    for (std::uint64_t i = 0; i < own.values().size(); ++i)
        own.values()[i] = exact.values()[exact.layout().index(own.layout().position(i), 1)];
    std::vector<std::uint64_t> begins, ends;
    std::uint64_t total = 0;
    for (int me = 0; me <= HomeSum; ++me) {
        const int them = HomeSum - me;
        if (me >= rules::ChipCount || them >= rules::ChipCount) continue;
        begins.push_back(exact.layout().layerBegin(me, them));
        ends.push_back(exact.layout().layerEnd(me, them));
        total += ends.back() - begins.back();
    }
    // Per thread: decisions, Expert's agreements, and what each level gave
    // away (the exact best's chance less the chosen move's, in points).
    struct Tally {
        long decisions = 0, agreed = 0;
        std::array<double, levels::LevelCount> regret{};
    };
    std::vector<Tally> tallies(2);
    std::vector<std::thread> pool;
    for (int t = 0; t < 2; ++t)
        pool.emplace_back([&, t] {
            Tally& tally = tallies[static_cast<unsigned>(t)];
            std::mt19937_64 gen(77 + static_cast<unsigned>(t));
            std::uniform_int_distribution<std::uint64_t> pick(0, total - 1);
            for (int s = t; s < samples; s += 2) {
                std::uint64_t k = pick(gen), index = 0;
                for (std::size_t l = 0; l < begins.size(); ++l) {
                    if (k < ends[l] - begins[l]) {
                        index = begins[l] + k;
                        break;
                    }
                    k -= ends[l] - begins[l];
                }
                const rules::Position pos = exact.layout().position(index);
                for (int points = 1; points <= rules::MaxPoints; ++points) {
                    const auto moves = levels::expertMoveValues(pos, 1, points, nullptr);
                    if (moves.size() < 2) continue;
                    double best = 0;
                    for (const auto& m : moves)
                        best = std::max(best, exactAfter(exact, pos, m.chip, points));
                    ++tally.decisions;
                    for (int l = 0; l < levels::LevelCount; ++l) {
                        const auto level = static_cast<Level>(l);
                        const int chosen = levels::choose(level, pos, 1, points,
                                                          level == Level::Expert ? &own : nullptr);
                        const double got = exactAfter(exact, pos, chosen, points);
                        tally.regret[static_cast<unsigned>(l)] += std::max(0.0, best - got) * 100;
                        // Values are stored in steps of 1/65535: equal within two.
                        if (level == Level::Expert && got >= best - 2.0 / solver::Quantum)
                            ++tally.agreed;
                    }
                }
            }
        });
    for (auto& t : pool)
        t.join();
    long decisions = 0, agreed = 0;
    std::array<double, levels::LevelCount> regret{};
    for (const Tally& t : tallies) {
        decisions += t.decisions;
        agreed += t.agreed;
        for (std::size_t l = 0; l < regret.size(); ++l)
            regret[l] += t.regret[l];
    }
    for (int l = 0; l < levels::LevelCount; ++l)
        std::printf("%s gives away %.3f points per decision on average in %ld decisions with %d "
                    "chips home in total\n",
                    levels::levelName(static_cast<Level>(l)),
                    regret[static_cast<unsigned>(l)] / double(std::max(1L, decisions)), decisions,
                    HomeSum);
    std::printf("Expert agrees with exact play in %.1f%% of %ld positions with five chips home "
                "in total\n",
                100.0 * double(agreed) / double(std::max(1L, decisions)), decisions);
    std::printf("(%d positions sampled, one throw each with a choice counted as one; the table "
                "of %llu positions built in %.0f s, measured in %.0f s)\n",
                samples, static_cast<unsigned long long>(exact.values().size()), built,
                std::chrono::duration<double>(Clock::now() - t0).count() - built);
}

void printBuilt(const solver::Table& table) {
    std::printf("Table: built in %.0f s (%u sweeps), %llu positions, %.1f MB\n", table.buildSeconds,
                table.sweeps, static_cast<unsigned long long>(table.values().size()),
                double(table.values().size() * sizeof(std::uint16_t)) / 1e6);
    std::fflush(stdout);
}

int buildOnly(int argc, char** argv) {
    int cover = solver::DefaultMinHomeSum;
    std::string against;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--against" && i + 1 < argc)
            against = argv[++i];
        else
            cover = std::clamp(std::atoi(argv[i]), 1, 2 * (rules::ChipCount - 1));
    }
    solver::Table table(cover);
    solver::build(table, nullptr, {});
    printBuilt(table);
    if (against.empty()) return 0;
    solver::LoadError err;
    const auto other = solver::load(against, &err, cover);
    if (!other) {
        std::fprintf(stderr, "%s: %s\n", against.c_str(), solver::loadErrorText(err));
        return 1;
    }
    int worst = 0;
    std::uint64_t differ = 0;
    for (std::size_t i = 0; i < table.values().size(); ++i) {
        const int d = std::abs(int(table.values()[i]) - int(other->values()[i]));
        worst = std::max(worst, d);
        differ += d != 0;
    }
    std::printf("Against %s: %llu values differ, by %d units of 1/%u at most\n", against.c_str(),
                static_cast<unsigned long long>(differ), worst, solver::Quantum);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--table") return buildOnly(argc, argv);
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

    const std::pair<Level, Level> pairs[] = {
        {Level::Expert, Level::Klot}, {Level::Strong, Level::Klot}, {Level::Expert, Level::Strong}};
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
    printBuilt(*table);
    if (strong.count)
        std::printf("Strong: %.3f ms per choice on average, %.3f ms at most\n",
                    1000 * strong.total / double(strong.count), 1000 * strong.worst);
    std::fflush(stdout);
    table.reset();
    agreement(argc > 2 ? std::max(100, std::atoi(argv[2])) : 20000);
    return 0;
}
