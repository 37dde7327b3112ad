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

constexpr int LayerCount = ChipCount * ChipCount;

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

} // namespace

Parts::Parts() {
    std::vector<std::pair<int, int>> codes; // (chips, code)
    for (int code = 0; code < PrivCodes; ++code) {
        const int n = (code & 1) + ((code >> 1) & 1) + ((code >> 2) & 1) + ((code >> 3) & 7) +
                      ((code >> 6) & 7) + ((code >> 9) & 7) + ((code >> 12) & 7);
        rank[static_cast<unsigned>(code)] = 0xFFFF;
        if (n <= ChipCount) codes.emplace_back(n, code);
    }
    std::stable_sort(codes.begin(), codes.end(), [](auto a, auto b) { return a.first < b.first; });
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

} // namespace solver
