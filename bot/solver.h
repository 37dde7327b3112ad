#pragma once
/*
 * The exact game, solved by value iteration: for every position with the
 * seat to move before its throw, the probability that this seat wins when
 * both play perfectly.
 *
 * Positions are seen from the mover ("me") and the other seat ("them"), so
 * one value serves both seats. A position splits into
 *   - the two home counts (a layer),
 *   - the eight board cells where chips can meet and be sent back (5, 6, 7,
 *     9, 10, 13 and the two crossing cells), each empty, mine or theirs: one
 *     of 3^8 patterns,
 *   - each seat's private part: squares 1 to 3 (one chip at most) and the
 *     counts on the rosettes 4, 8, 12 and 14; whatever is left is at start.
 * Private parts are ranked by their number of chips, so the parts with at
 * most n chips are the first few ranks, and a position's index is
 *   base[layer][pattern] + rank(me) * parts(n them) + rank(them).
 *
 * Chips only ever come home, never leave it, so a layer depends on itself,
 * on its mirror (the other seat to move) and on layers with more chips home.
 * Layers are solved from the end of the game backwards, each pair to
 * convergence, which keeps the sweeps few and the working set small.
 *
 * Own chips may share a rosette in any number, and that multiplies the
 * positions: the whole game has about 2.35 thousand million of them (4.7 GB
 * at 16 bits), more than a player's machine should hold or solve in minutes.
 * The table therefore covers the layers where the two seats have borne off
 * at least `minHomeSum` chips together: six gives 20.5 million positions
 * (41 MB), four 183 million (366 MB). Before that "Expert" searches.
 * Moves are generated and applied by the rules core, never re-derived here.
 */
#include "rules.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace solver {

inline constexpr int DefaultMinHomeSum = 6;
inline constexpr std::uint32_t Quantum = 65535; // a value v is stored as round(v * Quantum)
inline constexpr std::uint64_t NoIndex = ~std::uint64_t{0};

// Where every position of the covered layers lives in the table.
class Layout {
public:
    explicit Layout(int minHomeSum);

    int minHomeSum() const { return minHomeSum_; }
    std::uint64_t size() const { return size_; }
    bool covers(int homeMe, int homeThem) const {
        return homeMe < rules::ChipCount && homeThem < rules::ChipCount &&
               homeMe + homeThem >= minHomeSum_;
    }
    std::uint64_t layerBegin(int homeMe, int homeThem) const;
    std::uint64_t layerEnd(int homeMe, int homeThem) const;

    // The index of the position with `mover` to throw, or NoIndex when the
    // table does not cover it, the game is over, or the position cannot
    // arise (two own chips on a plain square, both seats on one cell).
    std::uint64_t index(const rules::Position& pos, int mover) const;
    // The same for positions known to arise in play (the solver's successors).
    std::uint64_t indexFast(const rules::Position& pos, int mover) const;

    // The position at an index, with the mover as seat 1 (tests, fitting).
    rules::Position position(std::uint64_t index) const;

    // Where the positions of one pattern of a layer begin, or NoIndex.
    std::uint64_t patternBase(int homeMe, int homeThem, int pattern) const {
        return base_[static_cast<std::size_t>(homeMe * rules::ChipCount + homeThem) * 6561 +
                     static_cast<unsigned>(pattern)];
    }

private:
    int minHomeSum_;
    std::uint64_t size_ = 0;
    std::vector<std::uint64_t> base_; // [layer * 6561 + pattern], NoIndex when empty
    std::uint64_t layerBase_[rules::ChipCount][rules::ChipCount]{};
    std::uint64_t layerEnd_[rules::ChipCount][rules::ChipCount]{};
};

class Table {
public:
    explicit Table(int minHomeSum = DefaultMinHomeSum);

    const Layout& layout() const { return layout_; }
    std::vector<std::uint16_t>& values() { return values_; }
    const std::vector<std::uint16_t>& values() const { return values_; }

    // The mover's chance to win before its throw; negative when not covered.
    double value(const rules::Position& pos, int mover) const;

    // Measured while building, kept in the file.
    double buildSeconds = 0;
    std::uint32_t sweeps = 0;

private:
    Layout layout_;
    std::vector<std::uint16_t> values_;
};

struct Progress {
    double fraction = 0;     // 0..1, of the expected time
    double secondsLeft = -1; // negative while unknown
    int sweeps = 0;          // sweeps done, over all layers
    double lastChange = 0;
};

// Solves every covered position. `cancel` is read often; a cancelled build
// returns false and leaves the table unusable. `report` is called from the
// solving threads, at most a few times a second.
bool build(Table& table, const std::atomic<bool>* cancel,
           const std::function<void(const Progress&)>& report, int threads = 2,
           double epsilon = 5e-6);

// ---- the cache file ----

// A digest of the rules as the rules core plays them: a table built for other
// rules must not be trusted.
std::uint64_t rulesDigest();

enum class LoadError { None, Missing, Damaged, Foreign, Stale };
const char* loadErrorText(LoadError e);

// Writes beside and renames, so a crash never leaves half a table.
bool save(const Table& table, const std::string& path);
// Checks format version, rules digest, coverage, size and checksum.
std::unique_ptr<Table> load(const std::string& path, LoadError* error = nullptr,
                            int minHomeSum = DefaultMinHomeSum);

} // namespace solver
