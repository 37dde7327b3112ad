#include "game_review.h"

#include "levels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <thread>

namespace review {

const char* markName(Mark m) {
    switch (m) {
    case Mark::Best:
        return "best";
    case Mark::Inaccuracy:
        return "inaccuracy";
    case Mark::Mistake:
        return "mistake";
    case Mark::Blunder:
        return "blunder";
    }
    return "best";
}

Mark markFor(double loss) {
    if (loss >= BlunderFrom) return Mark::Blunder;
    if (loss >= MistakeFrom) return Mark::Mistake;
    if (loss >= InaccuracyFrom) return Mark::Inaccuracy;
    return Mark::Best;
}

bool rate(const Turn& t, const solver::Table* table, Rating& out) {
    if (!rules::isSeat(t.seat) || !rules::isPoints(t.points)) return false;
    const std::vector<levels::MoveValue> moves =
        levels::expertMoveValues(t.before, t.seat, t.points, table);
    if (moves.empty()) return false;
    out.seat = t.seat;
    out.points = t.points;
    out.choices = int(moves.size());
    const levels::MoveValue* best = &moves.front();
    for (const levels::MoveValue& m : moves)
        if (m.value > best->value) best = &m;
    // The played chip, found by the square it left: two chips on one square
    // make the same move.
    const levels::MoveValue* played = nullptr;
    if (rules::isChip(t.chip)) {
        const int from = t.before.of(t.seat)[unsigned(t.chip - 1)];
        for (const levels::MoveValue& m : moves)
            if (m.from == from) played = &m;
    }
    // A turn that moved nothing although a chip could (a record from another
    // program, or a timed-out turn) counts as passing: the chance after it is
    // the other seat's turn on the same board.
    const double playedValue =
        played ? played->value
               : 1.0 - levels::expertValue(t.before, rules::otherSeat(t.seat), table);
    // A move that gives away less than the twentieth of a point the review
    // prints is as good as the best: the best then names the move played.
    if (played && (best->value - playedValue) * 100.0 < 0.05) best = played;
    out.playedFrom = played ? played->from : 0;
    out.playedTo = played ? played->from + t.points : 0;
    out.bestChip = best->chip;
    out.bestFrom = best->from;
    out.bestTo = best->from + t.points;
    out.played = playedValue;
    out.best = std::max(best->value, playedValue);
    out.mark = markFor(out.loss());
    return true;
}

double luck(const rules::Position& before, int seat, int points, const solver::Table* table) {
    if (!rules::isSeat(seat) || !rules::isPoints(points)) return 0;
    static constexpr std::array<double, 5> Weight{1 / 16.0, 4 / 16.0, 6 / 16.0, 4 / 16.0, 1 / 16.0};
    // A throw without a move hands the same board over.
    const double passed = 1.0 - levels::expertValue(before, rules::otherSeat(seat), table);
    std::array<double, 5> after{};
    for (int p = 0; p <= rules::MaxPoints; ++p) {
        double best = -1;
        if (p > 0)
            for (const levels::MoveValue& m : levels::expertMoveValues(before, seat, p, table))
                best = std::max(best, m.value);
        after[unsigned(p)] = best < 0 ? passed : best;
    }
    double average = 0;
    for (int p = 0; p <= rules::MaxPoints; ++p)
        average += Weight[unsigned(p)] * after[unsigned(p)];
    return 100.0 * (after[unsigned(points)] - average);
}

Review reviewGame(const std::vector<Turn>& turns, const solver::Table* table, int threads,
                  const std::atomic<bool>* cancel, const std::function<void(int, int)>& progress) {
    const int n = int(turns.size());
    std::vector<Rating> rated(static_cast<std::size_t>(n));
    std::vector<char> moved(static_cast<std::size_t>(n), 0);
    // Seat 1's chance after each turn that moved nothing is the other seat's
    // value before its throw (or the same seat's, should it throw again).
    std::vector<double> after(static_cast<std::size_t>(n), 0.5);
    std::vector<double> luckOf(static_cast<std::size_t>(n), 0.0);
    std::atomic<int> next{0}, done{0};
    std::mutex reportMutex;
    const auto work = [&] {
        for (int i; (i = next.fetch_add(1)) < n;) {
            if (cancel && cancel->load()) return;
            const Turn& t = turns[std::size_t(i)];
            luckOf[std::size_t(i)] = luck(t.before, t.seat, t.points, table);
            Rating r;
            if (rate(t, table, r)) {
                r.turn = i;
                rated[std::size_t(i)] = r;
                moved[std::size_t(i)] = 1;
                after[std::size_t(i)] = t.seat == 1 ? r.played : 1.0 - r.played;
            } else {
                const rules::Position& pos = turns[std::size_t(i)].before;
                const int nextMover =
                    i + 1 < n ? turns[std::size_t(i + 1)].seat : rules::otherSeat(t.seat);
                if (rules::isSeat(nextMover)) {
                    const double v = levels::expertValue(pos, nextMover, table);
                    after[std::size_t(i)] = nextMover == 1 ? v : 1.0 - v;
                }
            }
            const int d = done.fetch_add(1) + 1;
            if (progress) {
                std::lock_guard lock(reportMutex);
                progress(d, n);
            }
        }
    };
    std::vector<std::thread> pool;
    for (int k = 1; k < std::max(1, threads); ++k)
        pool.emplace_back(work);
    work();
    for (std::thread& th : pool)
        th.join();

    Review out;
    out.exact = table != nullptr;
    out.complete = !(cancel && cancel->load()) && done.load() == n;
    double start = 0.5;
    if (n > 0 && rules::isSeat(turns[0].seat)) {
        const double v = levels::expertValue(turns[0].before, turns[0].seat, table);
        start = turns[0].seat == 1 ? v : 1.0 - v;
    }
    out.seat1Chance.push_back(start);
    out.luck = luckOf;
    for (int i = 0; i < n; ++i) {
        out.seat1Chance.push_back(after[std::size_t(i)]);
        if (rules::isSeat(turns[std::size_t(i)].seat)) {
            SeatSummary& s = out.seats[unsigned(turns[std::size_t(i)].seat - 1)];
            ++s.throws;
            s.luck += luckOf[std::size_t(i)];
        }
        if (!moved[std::size_t(i)]) continue;
        const Rating& r = rated[std::size_t(i)];
        out.ratings.push_back(r);
        SeatSummary& s = out.seats[unsigned(r.seat - 1)];
        ++s.moves;
        s.lost += r.loss();
        switch (r.mark) {
        case Mark::Best:
            ++s.best;
            break;
        case Mark::Inaccuracy:
            ++s.inaccuracies;
            break;
        case Mark::Mistake:
            ++s.mistakes;
            break;
        case Mark::Blunder:
            ++s.blunders;
            break;
        }
    }
    const double moved1 = 100.0 * (out.seat1Chance.back() - out.seat1Chance.front());
    out.seats[0].result = moved1;
    out.seats[1].result = -moved1;
    // The turns whose throw and move together swung the chance most.
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        order[std::size_t(i)] = i;
    const auto swing = [&](int i) {
        return std::abs(out.seat1Chance[std::size_t(i + 1)] - out.seat1Chance[std::size_t(i)]);
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return swing(a) > swing(b); });
    for (int i = 0; i < std::min(n, 3); ++i)
        if (swing(order[std::size_t(i)]) > 0) out.keyTurns.push_back(order[std::size_t(i)]);
    std::sort(out.keyTurns.begin(), out.keyTurns.end());
    return out;
}

} // namespace review
