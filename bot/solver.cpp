#include "solver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <thread>

namespace solver {

namespace {

using rules::ChipCount;
using rules::Home;

constexpr int Cells = 8;
constexpr int Patterns = 6561; // 3^8
constexpr int PrivCodes = 1 << 15;
constexpr int LayerCount = ChipCount * ChipCount;
constexpr int MaxSweeps = 5000; // a layer pair never needs nearly as many

// The meeting cells, by each seat's own square numbers: the crossing cells
// are one seat's 11 and the other's 15.
constexpr std::array<std::int8_t, 17> MeCell{-1, -1, -1, -1, -1, 0,  1, 2, -1,
                                             3,  4,  6,  -1, 5,  -1, 7, -1};
constexpr std::array<std::int8_t, 17> ThemCell{-1, -1, -1, -1, -1, 0,  1, 2, -1,
                                               3,  4,  7,  -1, 5,  -1, 6, -1};
constexpr std::array<std::uint8_t, Cells> MeSquare{5, 6, 7, 9, 10, 13, 11, 15};
constexpr std::array<std::uint8_t, Cells> ThemSquare{5, 6, 7, 9, 10, 13, 15, 11};
// A private part as a code: squares 1 to 3 one bit each, then three bits of
// count for each of the rosettes 4, 8, 12 and 14.
constexpr std::array<std::uint16_t, 17> PrivAdd{0, 1, 2, 4,      1 << 3, 0,       0, 0, 1 << 6,
                                                0, 0, 0, 1 << 9, 0,      1 << 12, 0, 0};
constexpr std::array<int, Cells> Pow3{1, 3, 9, 27, 81, 243, 729, 2187};
// Dice sums 0..4 out of 16 throws.
constexpr std::array<double, 5> Weight{1 / 16.0, 4 / 16.0, 6 / 16.0, 4 / 16.0, 1 / 16.0};

struct Parts {
    std::array<std::uint16_t, PrivCodes> rank{};
    std::vector<std::uint16_t> byRank;
    std::array<std::uint32_t, ChipCount + 1> upTo{}; // parts with at most n chips
    // The squares of each ranked part, and how many.
    std::vector<std::array<std::uint8_t, ChipCount>> squares;
    std::vector<std::uint8_t> count;
    std::array<std::uint8_t, Patterns> mine{}, theirs{}; // chips of each seat in a pattern

    Parts() {
        std::vector<std::pair<int, int>> codes; // (chips, code)
        for (int code = 0; code < PrivCodes; ++code) {
            const int n = (code & 1) + ((code >> 1) & 1) + ((code >> 2) & 1) + ((code >> 3) & 7) +
                          ((code >> 6) & 7) + ((code >> 9) & 7) + ((code >> 12) & 7);
            rank[static_cast<unsigned>(code)] = 0xFFFF;
            if (n <= ChipCount) codes.emplace_back(n, code);
        }
        std::stable_sort(codes.begin(), codes.end(),
                         [](auto a, auto b) { return a.first < b.first; });
        for (const auto& [n, code] : codes) {
            rank[static_cast<unsigned>(code)] = static_cast<std::uint16_t>(byRank.size());
            byRank.push_back(static_cast<std::uint16_t>(code));
            for (int k = n; k <= ChipCount; ++k)
                ++upTo[static_cast<unsigned>(k)];
            std::array<std::uint8_t, ChipCount> sq{};
            unsigned c = 0;
            for (int b = 0; b < 3; ++b)
                if ((code >> b) & 1) sq[c++] = static_cast<std::uint8_t>(b + 1);
            constexpr std::array<int, 4> Ros{4, 8, 12, 14};
            for (int r = 0; r < 4; ++r)
                for (int k = 0; k < ((code >> (3 + 3 * r)) & 7); ++k)
                    sq[c++] = static_cast<std::uint8_t>(Ros[static_cast<unsigned>(r)]);
            squares.push_back(sq);
            count.push_back(static_cast<std::uint8_t>(c));
        }
        for (int s = 0; s < Patterns; ++s) {
            int v = s;
            for (int c = 0; c < Cells; ++c, v /= 3) {
                mine[static_cast<unsigned>(s)] += v % 3 == 1;
                theirs[static_cast<unsigned>(s)] += v % 3 == 2;
            }
        }
    }
};

const Parts& parts() {
    static const Parts p;
    return p;
}

// Lays out a position from its parts: chips home, the pattern of shared
// squares, then each seat's private part; the rest stand at start.
void fillPosition(rules::Position& pos, int h1, int h2, int s, std::uint32_t r1, std::uint32_t r2) {
    const Parts& P = parts();
    unsigned k1 = 0, k2 = 0;
    auto& me = pos.of(1);
    auto& them = pos.of(2);
    for (int i = 0; i < h1; ++i)
        me[k1++] = Home;
    for (int i = 0; i < h2; ++i)
        them[k2++] = Home;
    int v = s;
    for (unsigned c = 0; c < Cells; ++c, v /= 3) {
        if (v % 3 == 1) me[k1++] = MeSquare[c];
        if (v % 3 == 2) them[k2++] = ThemSquare[c];
    }
    for (unsigned i = 0; i < P.count[r1]; ++i)
        me[k1++] = P.squares[r1][i];
    for (unsigned i = 0; i < P.count[r2]; ++i)
        them[k2++] = P.squares[r2][i];
    for (; k1 < ChipCount; ++k1)
        me[k1] = rules::Start;
    for (; k2 < ChipCount; ++k2)
        them[k2] = rules::Start;
}

} // namespace

// ---- layout ----

Layout::Layout(int minHomeSum)
    : minHomeSum_(minHomeSum), base_(static_cast<std::size_t>(LayerCount) * Patterns, NoIndex) {
    const Parts& P = parts();
    for (int h1 = 0; h1 < ChipCount; ++h1)
        for (int h2 = 0; h2 < ChipCount; ++h2) {
            layerBase_[h1][h2] = size_;
            if (covers(h1, h2))
                for (int s = 0; s < Patterns; ++s) {
                    const int a = P.mine[static_cast<unsigned>(s)];
                    const int b = P.theirs[static_cast<unsigned>(s)];
                    if (a > ChipCount - h1 || b > ChipCount - h2) continue;
                    base_[static_cast<std::size_t>(h1 * ChipCount + h2) * Patterns +
                          static_cast<unsigned>(s)] = size_;
                    size_ += std::uint64_t{P.upTo[static_cast<unsigned>(ChipCount - h1 - a)]} *
                             P.upTo[static_cast<unsigned>(ChipCount - h2 - b)];
                }
            layerEnd_[h1][h2] = size_;
        }
}

std::uint64_t Layout::layerBegin(int h1, int h2) const {
    return layerBase_[h1][h2];
}
std::uint64_t Layout::layerEnd(int h1, int h2) const {
    return layerEnd_[h1][h2];
}

std::uint64_t Layout::indexFast(const rules::Position& pos, int mover) const {
    const Parts& P = parts();
    const rules::Chips& me = pos.of(mover);
    const rules::Chips& them = pos.of(rules::otherSeat(mover));
    int h1 = 0, h2 = 0, s = 0, b = 0;
    unsigned pm = 0, pt = 0;
    for (std::uint8_t q : me) {
        if (q == Home)
            ++h1;
        else if (const int c = MeCell[q]; c >= 0)
            s += Pow3[static_cast<unsigned>(c)];
        else
            pm += PrivAdd[q];
    }
    for (std::uint8_t q : them) {
        if (q == Home)
            ++h2;
        else if (const int c = ThemCell[q]; c >= 0) {
            s += 2 * Pow3[static_cast<unsigned>(c)];
            ++b;
        } else
            pt += PrivAdd[q];
    }
    if (!covers(h1, h2)) return NoIndex;
    const std::uint64_t base =
        base_[static_cast<std::size_t>(h1 * ChipCount + h2) * Patterns + static_cast<unsigned>(s)];
    return base + std::uint64_t{P.rank[pm]} * P.upTo[static_cast<unsigned>(ChipCount - h2 - b)] +
           P.rank[pt];
}

std::uint64_t Layout::index(const rules::Position& pos, int mover) const {
    if (!rules::isSeat(mover)) return NoIndex;
    std::uint32_t cellsMine = 0, cellsTheirs = 0;
    for (int seat = 1; seat <= rules::SeatCount; ++seat) {
        std::uint32_t plain = 0;
        for (std::uint8_t q : pos.of(seat)) {
            if (!rules::isSquare(q)) return NoIndex;
            if (q == rules::Start || rules::isRosette(q)) continue;
            if ((plain >> q) & 1u) return NoIndex;
            plain |= 1u << q;
        }
        for (std::uint8_t q : pos.of(seat)) {
            const int c = (seat == mover ? MeCell : ThemCell)[q];
            if (c >= 0) (seat == mover ? cellsMine : cellsTheirs) |= 1u << c;
        }
    }
    if (cellsMine & cellsTheirs) return NoIndex;
    return indexFast(pos, mover);
}

rules::Position Layout::position(std::uint64_t index) const {
    const Parts& P = parts();
    rules::Position pos;
    for (int h1 = 0; h1 < ChipCount; ++h1)
        for (int h2 = 0; h2 < ChipCount; ++h2) {
            if (index < layerBase_[h1][h2] || index >= layerEnd_[h1][h2]) continue;
            int best = -1;
            for (int s = 0; s < Patterns; ++s) {
                const std::uint64_t b =
                    base_[static_cast<std::size_t>(h1 * ChipCount + h2) * Patterns +
                          static_cast<unsigned>(s)];
                if (b != NoIndex && b <= index &&
                    (best < 0 ||
                     b >= base_[static_cast<std::size_t>(h1 * ChipCount + h2) * Patterns +
                                static_cast<unsigned>(best)]))
                    best = s;
            }
            const std::uint64_t off =
                index - base_[static_cast<std::size_t>(h1 * ChipCount + h2) * Patterns +
                              static_cast<unsigned>(best)];
            const unsigned b = P.theirs[static_cast<unsigned>(best)];
            const std::uint32_t n2 = P.upTo[ChipCount - static_cast<unsigned>(h2) - b];
            fillPosition(pos, h1, h2, best, static_cast<std::uint32_t>(off / n2),
                         static_cast<std::uint32_t>(off % n2));
            return pos;
        }
    return pos;
}

// ---- table ----

Table::Table(int minHomeSum) : layout_(minHomeSum) {}

double Table::value(const rules::Position& pos, int mover) const {
    const std::uint64_t i = layout_.index(pos, mover);
    if (i == NoIndex || i >= values_.size()) return -1;
    return values_[i] / double(Quantum);
}

// ---- value iteration ----

namespace {

struct Group {
    std::array<std::pair<int, int>, 2> layers{};
    int count = 0;
    std::uint64_t states = 0;
};

class Sweeper {
public:
    Sweeper(const Layout& L, std::vector<std::uint16_t>& done) : L_(L), done_(done) {}

    void begin(const Group& g) {
        g_ = g;
        for (int i = 0; i < g.count; ++i) {
            const auto [h1, h2] = g.layers[static_cast<unsigned>(i)];
            lo_[i] = L_.layerBegin(h1, h2);
            hi_[i] = L_.layerEnd(h1, h2);
            work_[i].assign(hi_[i] - lo_[i], 0.5f);
        }
        for (int i = g.count; i < 2; ++i)
            lo_[i] = hi_[i] = 0;
        makeOrder();
    }

    void finish() {
        for (int i = 0; i < g_.count; ++i) {
            for (std::uint64_t k = 0; k < work_[i].size(); ++k)
                done_[lo_[i] + k] = static_cast<std::uint16_t>(
                    std::lround(std::clamp(work_[i][k], 0.0f, 1.0f) * float(Quantum)));
            std::vector<float>().swap(work_[i]);
        }
        std::vector<std::uint64_t>().swap(order_);
    }

    // One sweep over every threads-th position from `part`; the largest
    // change seen.
    double sweep(int part, int threads, const std::atomic<bool>* cancel,
                 std::atomic<std::uint64_t>& statesDone) {
        double maxChange = 0;
        // Only the first layer is walked: each position is solved together
        // with its mirror (the other seat to move), since a throw without a
        // move hands the same position over. The walk goes from the most
        // advanced positions back, so that a sweep finds every move's result
        // already updated; only captures lead back to positions still ahead.
        const auto [h1, h2] = g_.layers[0];
        const bool selfMirror = g_.count == 1;
        for (std::size_t i = static_cast<std::size_t>(part); i < order_.size();
             i += static_cast<std::size_t>(threads)) {
            if ((i & 1023) < static_cast<std::size_t>(threads)) {
                if (cancel && cancel->load(std::memory_order_relaxed)) return maxChange;
                statesDone.fetch_add(1024u * static_cast<unsigned>(g_.count),
                                     std::memory_order_relaxed);
            }
            const std::uint64_t e = order_[i];
            const int s = static_cast<int>(e >> 40);
            const auto r1 = static_cast<std::uint32_t>((e >> 20) & 0xFFFFF);
            const auto r2 = static_cast<std::uint32_t>(e & 0xFFFFF);
            rules::Position pos;
            fill(pos, h1, h2, s, r1, r2);
            const std::uint64_t idx = L_.indexFast(pos, 1);
            const std::uint64_t mirrorIdx = L_.indexFast(pos, 2);
            if (selfMirror && mirrorIdx < idx) continue; // done with its pair
            const Partial a = evaluate(pos);
            float va, vb;
            if (mirrorIdx == idx) {
                // v = A + c (1 - v)
                va = vb = static_cast<float>((a.sum + a.pass) / (1.0 + a.pass));
            } else {
                rules::Position mirror;
                mirror.of(1) = pos.of(2);
                mirror.of(2) = pos.of(1);
                const Partial b = evaluate(mirror);
                // va = A + ca (1 - vb), vb = B + cb (1 - va)
                const double x =
                    (a.sum + a.pass - a.pass * (b.sum + b.pass)) / (1.0 - a.pass * b.pass);
                va = static_cast<float>(x);
                vb = static_cast<float>(b.sum + b.pass * (1.0 - x));
            }
            maxChange = std::max(maxChange, store(idx, va));
            maxChange = std::max(maxChange, store(mirrorIdx, vb));
        }
        return maxChange;
    }

private:
    double read(std::uint64_t i) {
        for (int k = 0; k < 2; ++k)
            if (i >= lo_[k] && i < hi_[k]) {
                std::atomic_ref<float> slot(work_[k][i - lo_[k]]);
                return slot.load(std::memory_order_relaxed);
            }
        return done_[i] / double(Quantum);
    }

    static void fill(rules::Position& pos, int h1, int h2, int s, std::uint32_t r1,
                     std::uint32_t r2) {
        fillPosition(pos, h1, h2, s, r1, r2);
    }

    // The first layer's positions as (pattern, part, part), most squares
    // travelled (both seats together) first; a counting sort.
    void makeOrder() {
        const Parts& P = parts();
        // Plain names, not a structured binding: lambdas below capture them.
        const int h1 = g_.layers[0].first;
        const int h2 = g_.layers[0].second;
        constexpr int MaxTravel = 2 * ChipCount * Home + 1;
        std::vector<std::uint64_t> count(MaxTravel + 1, 0);
        auto travel = [&](int s, std::uint32_t r1, std::uint32_t r2) {
            rules::Position pos;
            fill(pos, h1, h2, s, r1, r2);
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
        order_.assign(sum, 0);
        each([&](int s, std::uint32_t r1, std::uint32_t r2) {
            order_[count[static_cast<unsigned>(travel(s, r1, r2))]++] =
                (std::uint64_t(s) << 40) | (std::uint64_t(r1) << 20) | r2;
        });
    }

    // Sets a working value; the size of the change.
    double store(std::uint64_t i, float v) {
        for (int k = 0; k < 2; ++k)
            if (i >= lo_[k] && i < hi_[k]) {
                std::atomic_ref<float> slot(work_[k][i - lo_[k]]);
                const float old = slot.load(std::memory_order_relaxed);
                slot.store(v, std::memory_order_relaxed);
                return std::fabs(double(v) - double(old));
            }
        return 0;
    }

    // The mover's value is sum + pass * (1 - the mirror's value): `pass` is
    // the chance of a throw without a move, `sum` what the throws with a move
    // bring, each played by its best move.
    struct Partial {
        double sum = 0, pass = 0;
    };

    // The mover (seat 1 here) before its throw, the rules core deciding what
    // is legal and what a move does.
    Partial evaluate(const rules::Position& pos) {
        Partial out;
        out.pass = Weight[0];
        const rules::Chips& own = pos.of(1);
        for (int p = 1; p <= rules::MaxPoints; ++p) {
            const std::uint8_t legal = rules::legalChips(own, p);
            if (!legal) {
                out.pass += Weight[static_cast<unsigned>(p)];
                continue;
            }
            double best = 0;
            std::uint32_t seen = 0;
            for (unsigned c = 0; c < ChipCount && best < 1.0; ++c) {
                if (!((legal >> c) & 1u) || ((seen >> own[c]) & 1u)) continue;
                seen |= 1u << own[c];
                rules::Position next = pos;
                const rules::MoveResult r = rules::applymove(next, 1, static_cast<int>(c + 1), p);
                double val;
                if (rules::checkforwin(next.of(1)))
                    val = 1.0;
                else if (r.rollAgain())
                    val = read(L_.indexFast(next, 1));
                else
                    val = 1.0 - read(L_.indexFast(next, 2));
                best = std::max(best, val);
            }
            out.sum += Weight[static_cast<unsigned>(p)] * best;
        }
        return out;
    }

    const Layout& L_;
    std::vector<std::uint16_t>& done_;
    Group g_;
    std::uint64_t lo_[2]{}, hi_[2]{};
    std::vector<float> work_[2];
    std::vector<std::uint64_t> order_;
};

} // namespace

bool build(Table& table, const std::atomic<bool>* cancel,
           const std::function<void(const Progress&)>& report, int threads, double epsilon) {
    using Clock = std::chrono::steady_clock;
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

    // The time left is estimated from the latest sweep's pace per position,
    // scaled by the chips in play (more chips, more moves to weigh), times
    // the sweeps that layers have needed so far.
    auto inPlay = [](const Group& g) {
        return double(2 * ChipCount - g.layers[0].first - g.layers[0].second);
    };
    Sweeper sw(L, values);
    Progress prog;
    std::uint64_t statesSolved = 0, weightedSweeps = 0;
    double rate = 0; // seconds per position and sweep, per chip in play
    auto lastReport = Clock::now();
    for (std::size_t gi = 0; gi < groups.size(); ++gi) {
        const Group& g = groups[gi];
        sw.begin(g);
        int sweepsHere = 0;
        for (;;) {
            const auto sweepStarted = Clock::now();
            std::atomic<std::uint64_t> statesDone{0};
            std::vector<double> change(static_cast<unsigned>(threads), 0.0);
            auto run = [&](int part) {
                change[static_cast<unsigned>(part)] = sw.sweep(part, threads, cancel, statesDone);
            };
            std::vector<std::thread> pool;
            for (int t = 1; t < threads; ++t)
                pool.emplace_back(run, t);
            // The calling thread takes a share and reports while it works.
            std::atomic<bool> mainDone{false};
            std::thread reporter;
            if (report) {
                reporter = std::thread([&] {
                    while (!mainDone.load()) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(100));
                        if (Clock::now() - lastReport < std::chrono::milliseconds(250)) continue;
                        lastReport = Clock::now();
                        const double avg =
                            statesSolved ? double(weightedSweeps) / double(statesSolved) : 12.0;
                        const double expect = std::max(avg, sweepsHere + 1.0);
                        const double inSweep =
                            g.states ? double(statesDone.load()) / double(g.states) : 0;
                        Progress p = prog;
                        p.fraction =
                            (double(statesSolved) +
                             double(g.states) * std::min(0.99, (sweepsHere + inSweep) / expect)) /
                            double(std::max<std::uint64_t>(1, L.size()));
                        if (rate > 0) {
                            double work = double(g.states) * inPlay(g) *
                                          std::max(0.5, expect - sweepsHere - inSweep);
                            for (std::size_t k = gi + 1; k < groups.size(); ++k)
                                work += double(groups[k].states) * inPlay(groups[k]) * avg;
                            p.secondsLeft = work * rate;
                            const double spent =
                                std::chrono::duration<double>(Clock::now() - started).count();
                            p.fraction = spent / (spent + p.secondsLeft);
                        }
                        report(p);
                    }
                });
            }
            run(0);
            for (auto& t : pool)
                t.join();
            mainDone = true;
            if (reporter.joinable()) reporter.join();
            if (cancel && cancel->load()) return false;
            ++sweepsHere;
            ++prog.sweeps;
            // Tiny layers say little about the pace of the big ones.
            if (g.states >= 10000)
                rate = std::chrono::duration<double>(Clock::now() - sweepStarted).count() /
                       (double(g.states) * inPlay(g));
            prog.lastChange = *std::max_element(change.begin(), change.end());
            // Values are floats while they converge: a few ulps of wobble is
            // the floor, so no epsilon below that can stop the sweeps.
            if (prog.lastChange < std::max(epsilon, 2e-7) || sweepsHere >= MaxSweeps) break;
        }
        sw.finish();
        statesSolved += g.states;
        weightedSweeps += g.states * static_cast<std::uint64_t>(sweepsHere);
    }
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
