// The table's cache file: a fixed header, then every value as 16 bits,
// little-endian. The header carries the format version, a digest of the
// rules the table was solved for, the coverage, the number of values and a
// checksum over them; a file that disagrees with any of them is not used.
#include "solver.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace solver {

namespace {

constexpr char Magic[8] = {'K', 'V', 'L', 'V', 'T', 'A', 'B', 'L'};
constexpr std::uint32_t FormatVersion = 1;

struct Header {
    char magic[8];
    std::uint32_t version;
    std::uint32_t minHomeSum;
    std::uint64_t rulesDigest;
    std::uint64_t count;
    std::uint64_t checksum;
    double buildSeconds;
    std::uint32_t sweeps;
    std::uint32_t reserved;
};
static_assert(sizeof(Header) == 56);

std::uint64_t mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h * 0x100000001B3ull;
}

std::uint64_t checksum(const std::vector<std::uint16_t>& v) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    std::size_t i = 0;
    for (; i + 4 <= v.size(); i += 4) {
        std::uint64_t w;
        std::memcpy(&w, v.data() + i, sizeof w);
        h = (h ^ w) * 0x100000001B3ull;
    }
    for (; i < v.size(); ++i)
        h = (h ^ v[i]) * 0x100000001B3ull;
    return h;
}

std::uint64_t playRules() {
    // Play the rules core over a fixed spread of positions and fold in what it
    // answers: any change to legality, captures or extra rolls changes this.
    std::uint64_t h = mix(0, rules::ChipCount);
    h = mix(h, rules::Home);
    h = mix(h, rules::RosetteMask);
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int n = 0; n < 4096; ++n) {
        rules::Position pos;
        for (int s = 1; s <= 2; ++s)
            for (auto& q : pos.of(s))
                q = static_cast<std::uint8_t>(next() % 17);
        for (int p = 0; p <= rules::MaxPoints; ++p) {
            const std::uint8_t legal = rules::legalChips(pos.of(1), p);
            h = mix(h, legal);
            for (int c = 0; c < rules::ChipCount; ++c) {
                if (!((legal >> c) & 1)) continue;
                rules::Position after = pos;
                const rules::MoveResult r = rules::applymove(after, 1, c + 1, p);
                h = mix(h, r.square | (r.rollAgain() << 8) | (r.victimCount << 9));
                for (std::uint8_t q : after.of(2))
                    h = mix(h, q);
            }
        }
    }
    return h;
}

} // namespace

std::uint64_t rulesDigest() {
    // The rules are those compiled in: played once per run, not for every
    // file read (a damaged cache is read, refused and read again).
    static const std::uint64_t digest = playRules();
    return digest;
}

const char* loadErrorText(LoadError e) {
    switch (e) {
    case LoadError::None:
        return "ok";
    case LoadError::Missing:
        return "no table yet";
    case LoadError::Damaged:
        return "the table file is damaged";
    case LoadError::Foreign:
        return "the file is not a table of this game";
    case LoadError::Stale:
        return "the table was built for other rules or another format";
    }
    return "?";
}

bool save(const Table& table, const std::string& path) {
    Header h{};
    std::memcpy(h.magic, Magic, sizeof Magic);
    h.version = FormatVersion;
    h.minHomeSum = static_cast<std::uint32_t>(table.layout().minHomeSum());
    h.rulesDigest = rulesDigest();
    h.count = table.values().size();
    h.checksum = checksum(table.values());
    h.buildSeconds = table.buildSeconds;
    h.sweeps = table.sweeps;
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(&h), sizeof h);
        out.write(reinterpret_cast<const char*>(table.values().data()),
                  static_cast<std::streamsize>(table.values().size() * sizeof(std::uint16_t)));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) std::remove(temp.c_str());
    return !ec;
}

std::unique_ptr<Table> load(const std::string& path, LoadError* error, int minHomeSum) {
    LoadError dummy;
    LoadError& err = error ? *error : dummy;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err = LoadError::Missing;
        return nullptr;
    }
    Header h{};
    if (!in.read(reinterpret_cast<char*>(&h), sizeof h) ||
        std::memcmp(h.magic, Magic, sizeof Magic) != 0) {
        err = LoadError::Foreign;
        return nullptr;
    }
    if (h.version != FormatVersion || h.rulesDigest != rulesDigest() ||
        h.minHomeSum != static_cast<std::uint32_t>(minHomeSum)) {
        err = LoadError::Stale;
        return nullptr;
    }
    auto table = std::make_unique<Table>(minHomeSum);
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(path, ec);
    if (ec || h.count != table->layout().size() ||
        bytes != sizeof h + h.count * sizeof(std::uint16_t)) {
        err = LoadError::Damaged;
        return nullptr;
    }
    auto& v = table->values();
    v.resize(h.count);
    if (!in.read(reinterpret_cast<char*>(v.data()),
                 static_cast<std::streamsize>(h.count * sizeof(std::uint16_t))) ||
        checksum(v) != h.checksum) {
        err = LoadError::Damaged;
        return nullptr;
    }
    table->buildSeconds = h.buildSeconds;
    table->sweeps = h.sweeps;
    err = LoadError::None;
    return table;
}

} // namespace solver
