// Solving the table: value iteration, one pair of mirror layers at a time.
//
// Most of the cost of a sweep used to be the rules core: every sweep asked it
// again for every position's moves and every successor's index. Those never
// change, so each layer pair is first compiled once: for every position and
// throw, the best result among successors that are already final (another
// layer, or a win) is folded into one number, and only the successors inside
// the pair are kept, as slots of a working array laid out in sweep order.
// The sweeps then only read floats. They run in place (a value updated early
// in a sweep is used by the positions after it), most advanced positions
// first, so that a move's result is usually already this sweep's; only
// captures lead back to positions still ahead. Both cores take every other
// position.
#include "solver.h"
#include "solver_parts.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <thread>

namespace solver {

namespace {

using rules::ChipCount;
using rules::Home;
using Clock = std::chrono::steady_clock;

constexpr int MaxSweeps = 5000; // a layer pair never needs nearly as many
// Dice sums 0..4 out of 16 throws.
constexpr std::array<float, 5> Weight{1 / 16.0f, 4 / 16.0f, 6 / 16.0f, 4 / 16.0f, 1 / 16.0f};
// A successor slot whose value is the other seat's (1 - v is the mover's).
constexpr std::uint32_t Other = 1u << 31;
// Compiling a position costs about this many sweeps over it; for the estimate.
constexpr double CompileCost = 8;

struct Group {
    std::array<std::pair<int, int>, 2> layers{};
    int count = 0;
    std::uint64_t states = 0;
};

// One seat's view of a position, compiled: the chance that its throw has no
// move (the position passes to the mirror), and per throw with a move the
// best final result and how many successors inside the pair still change.
struct Side {
    float pass = 0;
    std::array<float, 4> fixed{};
    std::array<std::uint8_t, 4> open{};
};

// A position and its mirror (the other seat to move); b == a when the
// position is its own mirror.
struct Pair {
    std::uint32_t a = 0, b = 0;
    Side sa, sb;
};

class PairSolver {
public:
    PairSolver(const Layout& L, std::vector<std::uint16_t>& done, const Group& g, int threads)
        : L_(L), done_(done), g_(g), threads_(threads) {
        for (int i = 0; i < g.count; ++i) {
            const auto [h1, h2] = g.layers[static_cast<unsigned>(i)];
            lo_[i] = L_.layerBegin(h1, h2);
            hi_[i] = L_.layerEnd(h1, h2);
        }
        for (int i = g.count; i < 2; ++i)
            lo_[i] = hi_[i] = 0;
    }

    // Lays out the slots and compiles every pair; false when cancelled.
    bool compile(const std::atomic<bool>* cancel, std::atomic<std::uint64_t>& statesDone) {
        const std::vector<std::uint64_t> order = makeOrder();
        // Plain names, not a structured binding: the lambdas below capture
        // them, which not every compiler of C++20 allows for a binding.
        const int h1 = g_.layers[0].first, h2 = g_.layers[0].second;
        const bool selfMirror = g_.count == 1;
        slotOf_.assign(g_.states, 0);
        std::vector<std::uint64_t> kept; // the order's entries that start a pair
        kept.reserve(order.size());
        std::uint32_t next = 0;
        for (const std::uint64_t e : order) {
            rules::Position pos;
            fillPosition(pos, h1, h2, static_cast<int>(e >> 40),
                         static_cast<std::uint32_t>((e >> 20) & 0xFFFFF),
                         static_cast<std::uint32_t>(e & 0xFFFFF));
            const std::uint64_t a = L_.indexFast(pos, 1), b = L_.indexFast(pos, 2);
            if (selfMirror && b < a) continue; // its pair starts at the mirror
            kept.push_back(e);
            slotOf_[local(a)] = next++;
            if (b != a) slotOf_[local(b)] = next++;
        }
        work_.assign(next, 0.5f);
        pairs_.assign(static_cast<unsigned>(threads_), {});
        succ_.assign(static_cast<unsigned>(threads_), {});
        std::atomic<bool> stopped{false};
        auto run = [&](int part) {
            auto& pairs = pairs_[static_cast<unsigned>(part)];
            auto& succ = succ_[static_cast<unsigned>(part)];
            pairs.reserve(kept.size() / static_cast<unsigned>(threads_) + 1);
            for (std::size_t i = static_cast<std::size_t>(part); i < kept.size();
                 i += static_cast<std::size_t>(threads_)) {
                if ((i & 1023) < static_cast<std::size_t>(threads_)) {
                    if (cancel && cancel->load(std::memory_order_relaxed)) {
                        stopped = true;
                        return;
                    }
                    statesDone.fetch_add(static_cast<std::uint64_t>(1024 * CompileCost),
                                         std::memory_order_relaxed);
                }
                const std::uint64_t e = kept[i];
                rules::Position pos;
                fillPosition(pos, h1, h2, static_cast<int>(e >> 40),
                             static_cast<std::uint32_t>((e >> 20) & 0xFFFFF),
                             static_cast<std::uint32_t>(e & 0xFFFFF));
                Pair p;
                p.a = slotOf_[local(L_.indexFast(pos, 1))];
                p.b = slotOf_[local(L_.indexFast(pos, 2))];
                compileSide(pos, p.sa, succ);
                if (p.b != p.a) {
                    rules::Position mirror;
                    mirror.of(1) = pos.of(2);
                    mirror.of(2) = pos.of(1);
                    compileSide(mirror, p.sb, succ);
                }
                pairs.push_back(p);
            }
        };
        std::vector<std::thread> pool;
        for (int t = 1; t < threads_; ++t)
            pool.emplace_back(run, t);
        run(0);
        for (auto& t : pool)
            t.join();
        return !stopped;
    }

    // One in-place sweep over this part's pairs; the largest change seen.
    double sweep(int part, const std::atomic<bool>* cancel,
                 std::atomic<std::uint64_t>& statesDone) {
        const auto& pairs = pairs_[static_cast<unsigned>(part)];
        const std::uint32_t* q = succ_[static_cast<unsigned>(part)].data();
        double maxChange = 0;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            if ((i & 4095) == 0) {
                if (cancel && cancel->load(std::memory_order_relaxed)) return maxChange;
                statesDone.fetch_add(4096 * 2, std::memory_order_relaxed);
            }
            const Pair& p = pairs[i];
            const double a = played(p.sa, q);
            if (p.b == p.a) {
                // v = A + c (1 - v)
                maxChange = std::max(
                    maxChange, store(p.a, static_cast<float>((a + p.sa.pass) / (1.0 + p.sa.pass))));
                continue;
            }
            const double b = played(p.sb, q);
            // va = A + ca (1 - vb), vb = B + cb (1 - va)
            const double ca = p.sa.pass, cb = p.sb.pass;
            const double x = (a + ca - ca * (b + cb)) / (1.0 - ca * cb);
            maxChange = std::max(maxChange, store(p.a, static_cast<float>(x)));
            maxChange = std::max(maxChange, store(p.b, static_cast<float>(b + cb * (1.0 - x))));
        }
        return maxChange;
    }

    // Writes the converged values into the table and frees the pair's memory.
    void finish() {
        for (int i = 0; i < g_.count; ++i)
            for (std::uint64_t k = lo_[i]; k < hi_[i]; ++k)
                done_[k] = static_cast<std::uint16_t>(
                    std::lround(std::clamp(work_[slotOf_[local(k)]], 0.0f, 1.0f) * float(Quantum)));
        std::vector<float>().swap(work_);
        std::vector<std::uint32_t>().swap(slotOf_);
        pairs_.clear();
        succ_.clear();
    }

private:
    std::uint64_t local(std::uint64_t i) const {
        if (i >= lo_[0] && i < hi_[0]) return i - lo_[0];
        if (i >= lo_[1] && i < hi_[1]) return (hi_[0] - lo_[0]) + (i - lo_[1]);
        return NoIndex;
    }

    // The mover (seat 1 here) before its throw, the rules core deciding what
    // is legal and what a move does.
    void compileSide(const rules::Position& pos, Side& side, std::vector<std::uint32_t>& succ) {
        side.pass = Weight[0];
        const rules::Chips& own = pos.of(1);
        for (int p = 1; p <= rules::MaxPoints; ++p) {
            const auto slot = static_cast<unsigned>(p - 1);
            const std::uint8_t legal = rules::legalChips(own, p);
            if (!legal) {
                side.pass += Weight[static_cast<unsigned>(p)];
                continue;
            }
            const std::size_t mark = succ.size();
            float fixed = 0;
            std::uint32_t seen = 0;
            for (unsigned c = 0; c < ChipCount && fixed < 1.0f; ++c) {
                if (!((legal >> c) & 1u) || ((seen >> own[c]) & 1u)) continue;
                seen |= 1u << own[c];
                rules::Position next = pos;
                const rules::MoveResult r = rules::applymove(next, 1, static_cast<int>(c + 1), p);
                if (rules::checkforwin(next.of(1))) {
                    fixed = 1.0f;
                    break;
                }
                const bool other = !r.rollAgain();
                const std::uint64_t idx = L_.indexFast(next, other ? 2 : 1);
                if (const std::uint64_t k = local(idx); k != NoIndex) {
                    succ.push_back(slotOf_[k] | (other ? Other : 0u));
                    continue;
                }
                const float v = done_[idx] / float(Quantum);
                fixed = std::max(fixed, other ? 1.0f - v : v);
            }
            if (fixed >= 1.0f) succ.resize(mark); // a win: nothing else counts
            side.fixed[slot] = fixed;
            side.open[slot] = static_cast<std::uint8_t>(succ.size() - mark);
        }
    }

    // What the throws with a move bring, each played by its best move.
    double played(const Side& s, const std::uint32_t*& q) const {
        double sum = 0;
        for (unsigned p = 0; p < 4; ++p) {
            float best = s.fixed[p];
            for (unsigned j = 0; j < s.open[p]; ++j, ++q) {
                const std::uint32_t r = *q;
                float v =
                    std::atomic_ref<const float>(work_[r & ~Other]).load(std::memory_order_relaxed);
                if (r & Other) v = 1.0f - v;
                best = std::max(best, v);
            }
            sum += double(Weight[p + 1]) * best;
        }
        return sum;
    }

    double store(std::uint32_t slot, float v) {
        std::atomic_ref<float> ref(work_[slot]);
        const float old = ref.load(std::memory_order_relaxed);
        ref.store(v, std::memory_order_relaxed);
        return std::fabs(double(v) - double(old));
    }

    // The first layer's positions as (pattern, part, part), most squares
    // travelled (both seats together) first; a counting sort.
    std::vector<std::uint64_t> makeOrder() const {
        const Parts& P = parts();
        const int h1 = g_.layers[0].first;
        const int h2 = g_.layers[0].second;
        constexpr int MaxTravel = 2 * ChipCount * Home + 1;
        std::vector<std::uint64_t> count(MaxTravel + 1, 0);
        auto travel = [&](int s, std::uint32_t r1, std::uint32_t r2) {
            rules::Position pos;
            fillPosition(pos, h1, h2, s, r1, r2);
            int t = 0;
            for (int seat = 1; seat <= 2; ++seat)
                for (std::uint8_t q : pos.of(seat))
                    t += q;
            return MaxTravel - t; // descending
        };
        auto each = [&](auto f) {
            for (int s = 0; s < Patterns; ++s) {
                if (L_.patternBase(h1, h2, s) == NoIndex) continue;
                const unsigned n1 =
                    ChipCount - static_cast<unsigned>(h1) - P.mine[static_cast<unsigned>(s)];
                const unsigned n2 =
                    ChipCount - static_cast<unsigned>(h2) - P.theirs[static_cast<unsigned>(s)];
                for (std::uint32_t r1 = 0; r1 < P.upTo[n1]; ++r1)
                    for (std::uint32_t r2 = 0; r2 < P.upTo[n2]; ++r2)
                        f(s, r1, r2);
            }
        };
        each([&](int s, std::uint32_t r1, std::uint32_t r2) {
            ++count[static_cast<unsigned>(travel(s, r1, r2))];
        });
        std::uint64_t sum = 0;
        for (auto& c : count) {
            const std::uint64_t n = c;
            c = sum;
            sum += n;
        }
        std::vector<std::uint64_t> order(sum, 0);
        each([&](int s, std::uint32_t r1, std::uint32_t r2) {
            order[count[static_cast<unsigned>(travel(s, r1, r2))]++] =
                (std::uint64_t(s) << 40) | (std::uint64_t(r1) << 20) | r2;
        });
        return order;
    }

    const Layout& L_;
    std::vector<std::uint16_t>& done_;
    Group g_;
    int threads_;
    std::uint64_t lo_[2]{}, hi_[2]{};
    std::vector<std::uint32_t> slotOf_; // by index within the pair of layers
    std::vector<float> work_;           // by slot
    std::vector<std::vector<Pair>> pairs_;
    std::vector<std::vector<std::uint32_t>> succ_;
};

} // namespace

bool build(Table& table, const std::atomic<bool>* cancel,
           const std::function<void(const Progress&)>& report, int threads, double epsilon) {
    const auto started = Clock::now();
    const Layout& L = table.layout();
    auto& values = table.values();
    values.assign(L.size(), 0);
    threads = std::max(1, threads);

    // Layer pairs, most chips home first: each depends only on itself and on
    // pairs already solved.
    std::vector<Group> groups;
    for (int sum = 2 * (ChipCount - 1); sum >= L.minHomeSum(); --sum)
        for (int a = ChipCount - 1; a >= 0; --a) {
            const int b = sum - a;
            if (b < 0 || b >= ChipCount || b > a) continue;
            Group g;
            g.layers[0] = {a, b};
            g.count = 1;
            if (a != b) g.layers[g.count++] = {b, a};
            for (int i = 0; i < g.count; ++i) {
                const auto [x, y] = g.layers[static_cast<unsigned>(i)];
                g.states += L.layerEnd(x, y) - L.layerBegin(x, y);
            }
            groups.push_back(g);
        }

    // Progress in units of one position swept once; compiling counts as a
    // few sweeps, and a pair is expected to need as many sweeps as the pairs
    // before it did on average.
    std::atomic<std::uint64_t> unitsDone{0};
    std::atomic<double> expectSweeps{12};
    std::atomic<bool> finished{false};
    std::thread reporter;
    if (report)
        reporter = std::thread([&] {
            while (!finished.load()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
                const double total = double(L.size()) * (CompileCost + expectSweeps.load());
                Progress p;
                p.fraction = std::min(0.99, double(unitsDone.load()) / std::max(1.0, total));
                const double spent = std::chrono::duration<double>(Clock::now() - started).count();
                if (p.fraction > 0.02) p.secondsLeft = spent * (1 - p.fraction) / p.fraction;
                report(p);
            }
        });
    auto stop = [&](bool ok) {
        finished = true;
        if (reporter.joinable()) reporter.join();
        return ok;
    };

    Progress prog;
    std::uint64_t statesSolved = 0, weightedSweeps = 0;
    for (const Group& g : groups) {
        PairSolver solver(L, values, g, threads);
        if (!solver.compile(cancel, unitsDone)) return stop(false);
        int sweepsHere = 0;
        for (;;) {
            std::vector<double> change(static_cast<unsigned>(threads), 0.0);
            auto run = [&](int part) {
                change[static_cast<unsigned>(part)] = solver.sweep(part, cancel, unitsDone);
            };
            std::vector<std::thread> pool;
            for (int t = 1; t < threads; ++t)
                pool.emplace_back(run, t);
            run(0);
            for (auto& t : pool)
                t.join();
            if (cancel && cancel->load()) return stop(false);
            ++sweepsHere;
            ++prog.sweeps;
            prog.lastChange = *std::max_element(change.begin(), change.end());
            // Values are floats while they converge: a few ulps of wobble is
            // the floor, so no epsilon below that can stop the sweeps.
            if (prog.lastChange < std::max(epsilon, 2e-7) || sweepsHere >= MaxSweeps) break;
        }
        solver.finish();
        statesSolved += g.states;
        weightedSweeps += g.states * static_cast<std::uint64_t>(sweepsHere);
        expectSweeps = double(weightedSweeps) / double(statesSolved);
        unitsDone =
            static_cast<std::uint64_t>(double(statesSolved) * (CompileCost + expectSweeps.load()));
    }
    stop(true);
    table.sweeps = static_cast<std::uint32_t>(prog.sweeps);
    table.buildSeconds = std::chrono::duration<double>(Clock::now() - started).count();
    if (report) {
        prog.fraction = 1.0;
        prog.secondsLeft = 0;
        report(prog);
    }
    return true;
}

} // namespace solver
