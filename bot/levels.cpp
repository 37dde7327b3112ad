#include "levels.h"

#include "levels_weights.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

namespace levels {

namespace {

using rules::ChipCount;
using rules::Home;
using rules::Position;

constexpr std::array<double, 5> Weight{1 / 16.0, 4 / 16.0, 6 / 16.0, 4 / 16.0, 1 / 16.0};

// One seat's share of the features (all but the constant).
void seatFeatures(const Position& pos, int seat, Features& x, double sign) {
    const rules::Chips& own = pos.of(seat);
    const rules::Chips& other = pos.of(rules::otherSeat(seat));
    double atStart = 0, travel = 0, onBoard = 0, exposed = 0, middle = 0, late = 0, risk = 0;
    for (std::uint8_t q : own) {
        travel += q;
        if (q == Home) continue;
        if (q == rules::Start) {
            ++atStart;
            continue;
        }
        ++onBoard;
        if (q == 8) ++middle;
        if (q >= 13) ++late;
        if (!rules::isCaptureSquare(q)) continue;
        ++exposed;
        // The other seat's chips 1 to 4 of its own squares behind this cell
        // could land on it with their next throw.
        const int across = rules::acrossSquare(q);
        double hit = 0;
        for (int p = 1; p <= rules::MaxPoints; ++p)
            for (std::uint8_t u : other)
                if (u != rules::Start && u + p == across) {
                    hit = std::max(hit, Weight[static_cast<unsigned>(p)]);
                    break;
                }
        risk += hit * q;
    }
    x[1] += sign * atStart;
    x[2] += sign * travel / Home;
    x[3] += sign * onBoard;
    x[4] += sign * exposed;
    x[5] += sign * middle;
    x[6] += sign * late;
    x[7] += sign * risk / Home;
}

// Calls f(chip, position after, result) once for each legal move of the seat
// with these points. Two chips on one square make the same move, so only the
// first of them is tried.
template <typename F>
void forEachDistinctMove(const Position& pos, int seat, int points, F&& f) {
    const std::uint8_t legal = rules::legalChips(pos.of(seat), points);
    std::uint32_t seen = 0;
    for (unsigned c = 0; c < ChipCount; ++c) {
        const std::uint8_t from = pos.of(seat)[c];
        if (!((legal >> c) & 1u) || ((seen >> from) & 1u)) continue;
        seen |= 1u << from;
        Position next = pos;
        const int chip = static_cast<int>(c + 1);
        const rules::MoveResult r = rules::applymove(next, seat, chip, points);
        f(chip, next, r);
    }
}

// The value for the mover after its move: another throw keeps the move,
// otherwise the other seat throws next.
double afterMove(const Position& next, int mover, const rules::MoveResult& r, int depth,
                 const solver::Table* table);

// The mover before its throw, `depth` throws deep.
double node(const Position& pos, int mover, int depth, const solver::Table* table) {
    if (table) {
        const double v = table->value(pos, mover);
        if (v >= 0) return v;
    }
    if (depth <= 0) return evaluate(pos, mover);
    double total = 0;
    double pass = -1;
    for (int p = 0; p <= rules::MaxPoints; ++p) {
        double best = -1;
        forEachDistinctMove(pos, mover, p, [&](int, const Position& next, const rules::MoveResult& r) {
            best = std::max(best, afterMove(next, mover, r, depth - 1, table));
        });
        if (best < 0) {
            if (pass < 0) pass = 1.0 - node(pos, rules::otherSeat(mover), depth - 1, table);
            best = pass;
        }
        total += Weight[static_cast<unsigned>(p)] * best;
    }
    return total;
}

double afterMove(const Position& next, int mover, const rules::MoveResult& r, int depth,
                 const solver::Table* table) {
    if (rules::checkforwin(next.of(mover))) return 1.0;
    if (r.rollAgain()) return node(next, mover, depth, table);
    return 1.0 - node(next, rules::otherSeat(mover), depth, table);
}

// The best chip and its value for the mover with these points; chip 0 when
// none may move.
std::pair<int, double> bestMove(const Position& pos, int seat, int points, int depth,
                                const solver::Table* table) {
    int chip = 0;
    double best = -1;
    forEachDistinctMove(pos, seat, points, [&](int c, const Position& next, const rules::MoveResult& r) {
        const double v = afterMove(next, seat, r, depth, table);
        if (v > best) {
            best = v;
            chip = c;
        }
    });
    return {chip, best};
}

std::mutex tableMutex;
std::shared_ptr<const solver::Table>& tableSlot() {
    static std::shared_ptr<const solver::Table> t;
    return t;
}

} // namespace

const char* levelName(Level level) {
    switch (level) {
    case Level::Klot:
        return "Klot";
    case Level::Strong:
        return "Strong";
    case Level::Expert:
        return "Expert";
    }
    return "Klot";
}

Features features(const Position& pos, int mover) {
    Features x{};
    x[0] = 1;
    seatFeatures(pos, mover, x, 1);
    seatFeatures(pos, rules::otherSeat(mover), x, -1);
    return x;
}

double evaluateWith(const Features& w, const Features& x) {
    double z = 0;
    for (int i = 0; i < FeatureCount; ++i)
        z += w[static_cast<unsigned>(i)] * x[static_cast<unsigned>(i)];
    return 1.0 / (1.0 + std::exp(-z));
}

double evaluate(const Position& pos, int mover) {
    if (rules::checkforwin(pos.of(mover))) return 1.0;
    if (rules::checkforwin(pos.of(rules::otherSeat(mover)))) return 0.0;
    return evaluateWith(FittedWeights, features(pos, mover));
}

int choose(Level level, const Position& pos, int seat, int points, const solver::Table* table) {
    if (!rules::isSeat(seat) || !rules::isPoints(points)) return 0;
    switch (level) {
    case Level::Klot:
        return rules::computermove(pos.of(seat), points);
    case Level::Strong:
        return bestMove(pos, seat, points, StrongDepth - 1, nullptr).first;
    case Level::Expert:
        break;
    }
    // Within the table every successor is covered, and the first lookup
    // answers; before it the search reaches the table wherever it can.
    return bestMove(pos, seat, points, ExpertDepth - 1, table).first;
}

double chance(const Position& pos, int seat, int mover, int points, const solver::Table* table) {
    if (!rules::isSeat(seat) || !rules::isSeat(mover)) return 0.5;
    if (rules::checkforwin(pos.of(seat))) return 1.0;
    if (rules::checkforwin(pos.of(rules::otherSeat(seat)))) return 0.0;
    double v;
    if (rules::isPoints(points)) {
        const auto [chip, best] = bestMove(pos, mover, points, 0, table);
        v = chip ? best : 1.0 - node(pos, rules::otherSeat(mover), 0, table);
    } else {
        // The evaluation itself, not a search: a search ending on the other
        // seat's throw would judge the same board differently from one
        // ending on ours, and the bar would flicker between them.
        v = node(pos, mover, 0, table);
    }
    return seat == mover ? v : 1.0 - v;
}

double expertValue(const Position& pos, int mover, const solver::Table* table) {
    if (rules::checkforwin(pos.of(mover))) return 1.0;
    if (rules::checkforwin(pos.of(rules::otherSeat(mover)))) return 0.0;
    return node(pos, mover, ExpertDepth - 1, table);
}

std::vector<MoveValue> expertMoveValues(const Position& pos, int seat, int points,
                                        const solver::Table* table) {
    std::vector<MoveValue> out;
    if (!rules::isSeat(seat) || !rules::isPoints(points)) return out;
    forEachDistinctMove(pos, seat, points, [&](int c, const Position& next, const rules::MoveResult& r) {
        out.push_back({c, pos.of(seat)[static_cast<unsigned>(c - 1)],
                       afterMove(next, seat, r, ExpertDepth - 1, table)});
    });
    return out;
}

std::shared_ptr<const solver::Table> perfectTable() {
    std::lock_guard lock(tableMutex);
    return tableSlot();
}

void publishPerfectTable(std::shared_ptr<const solver::Table> table) {
    std::lock_guard lock(tableMutex);
    tableSlot() = std::move(table);
}

std::string tableCachePath() {
    const std::string name = "/perfect-table.kvt";
    if (const char* dir = std::getenv("KELVOA_DATA_DIR"); dir && *dir) return dir + name;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::string(xdg) + "/Kelvoa" + name;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : ".") + "/.local/share/Kelvoa" + name;
}

} // namespace levels
