#include "lzrw1kh.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

namespace {

// Runs are only worth an item of their own from this length on; shorter ones
// are left to the copy items.
constexpr int MinRun = 16;
constexpr int MaxRun = 4095;
constexpr int MinCopy = 3;
constexpr int MaxCopy = 18;
constexpr int Window = 4096;

inline uint64_t load64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Number of equal leading bytes of a and b, at most limit (<= MaxCopy).
inline int matchLength(const uint8_t* a, const uint8_t* b, int limit) {
    if constexpr (std::endian::native == std::endian::little) {
        if (limit == MaxCopy) {
            uint64_t d = load64(a) ^ load64(b);
            if (d != 0) return std::countr_zero(d) >> 3;
            d = load64(a + 8) ^ load64(b + 8);
            if (d != 0) return 8 + (std::countr_zero(d) >> 3);
            int len = 16;
            while (len < MaxCopy && a[len] == b[len])
                ++len;
            return len;
        }
    }
    int len = 0;
    while (len < limit && a[len] == b[len])
        ++len;
    return len;
}

inline void putWord(uint8_t* at, unsigned value) {
    at[0] = static_cast<uint8_t>(value >> 8);
    at[1] = static_cast<uint8_t>(value);
}

} // namespace

TLZR::TLZR() {
    try {
        hash_ = std::make_unique<uint16_t[]>(HashSize);
    } catch (const std::bad_alloc&) {
        throw ELzrw1KHCompressor("LZRW1KH : no memory for HASH table");
    }
}

int TLZR::compressPiece(const uint8_t* src, int n, uint8_t* dst) {
    uint16_t* const hash = hash_.get();
    std::fill_n(hash, HashSize, Empty);

    dst[0] = FlagCompressed;
    int slot = 1; // where the current control word goes
    int y = 3;
    unsigned control = 0;
    int items = 0;
    int x = 0;
    while (x < n && y <= n) {
        if (items == 16) {
            putWord(dst + slot, control);
            slot = y;
            y += 2;
            items = 0;
            control = 0;
        }
        const uint8_t value = src[x];
        int run = 1;
        if (x + 1 < n && src[x + 1] == value) {
            const int limit = std::min(n - x, MaxRun);
            run = 2;
            while (run < limit && src[x + run] == value)
                ++run;
        }
        if (run >= MinRun) {
            dst[y] = 0;
            putWord(dst + y + 1, static_cast<unsigned>(run - MinRun));
            dst[y + 3] = value;
            y += 4;
            x += run;
            control = (control << 1) | 1;
        } else {
            int len = 0;
            // The last two positions of a piece can never start a copy, so
            // they are not hashed either; the coded result is the same.
            if (x + 2 < n) {
                const unsigned key = ((((unsigned{src[x]} << 4) ^ src[x + 1]) << 4) ^ src[x + 2]);
                const unsigned h = ((key * 40543u) >> 4) & (HashSize - 1);
                const unsigned p = hash[h];
                hash[h] = static_cast<uint16_t>(x);
                if (p != Empty && x - static_cast<int>(p) < Window)
                    len = matchLength(src + x, src + p, std::min(MaxCopy, n - x));
                if (len >= MinCopy) {
                    putWord(dst + y, ((static_cast<unsigned>(x) - p) << 4) + (len - MinCopy));
                    y += 2;
                    x += len;
                    control = (control << 1) | 1;
                }
            }
            if (len < MinCopy) {
                dst[y++] = src[x++];
                control <<= 1;
            }
        }
        ++items;
    }
    putWord(dst + slot, (control << (16 - items)) & 0xFFFF);
    if (y > n) {
        dst[0] = FlagStored;
        std::memcpy(dst + 1, src, static_cast<size_t>(n));
        return n + 1;
    }
    return y;
}

int TLZR::decompressPiece(const uint8_t* src, int len, uint8_t* dst) {
    if (len <= 1) return 0;
    if (src[0] == FlagStored) {
        if (len - 1 > PieceSize) return -1;
        std::memcpy(dst, src + 1, static_cast<size_t>(len - 1));
        return len - 1;
    }
    if (len < 3) return 0;
    // The control word sits left-aligned; `bits` of it are still to be used.
    uint32_t control = ((uint32_t{src[1]} << 8) | src[2]) << 16;
    int bits = 16;
    int pos = 3;
    int out = 0;
    while (pos < len) {
        if (bits == 0) {
            // A control word with no item after it governs nothing.
            if (pos + 2 >= len) break;
            control = ((uint32_t{src[pos]} << 8) | src[pos + 1]) << 16;
            pos += 2;
            bits = 16;
        }
        // Consecutive literal items are copied together.
        int literals = std::countl_zero(control | (1u << (31 - bits)));
        if (literals > 0) {
            literals = std::min(literals, len - pos);
            if (out + literals > PieceSize) return -1;
            if (pos + 16 <= len)
                std::memcpy(dst + out, src + pos, 16); // the slack takes the rest
            else
                std::memcpy(dst + out, src + pos, static_cast<size_t>(literals));
            out += literals;
            pos += literals;
            bits -= literals;
            control <<= literals;
            continue;
        }
        if (pos + 2 > len) return -1;
        const unsigned k = (unsigned{src[pos]} << 8) | src[pos + 1];
        const int offset = static_cast<int>(k >> 4);
        if (offset != 0) {
            const int count = static_cast<int>(k & 15) + MinCopy;
            if (offset > out || out + count > PieceSize) return -1;
            uint8_t* to = dst + out;
            const uint8_t* from = to - offset;
            if (offset >= MaxCopy) {
                // Disjoint: copy a whole stride, the slack takes the rest.
                std::memcpy(to, from, MaxCopy);
            } else {
                for (int i = 0; i < count; ++i)
                    to[i] = from[i];
            }
            out += count;
            pos += 2;
        } else {
            if (pos + 4 > len) return -1;
            const int count = ((int{src[pos + 1]} << 8) | src[pos + 2]) + MinRun;
            if (out + count > PieceSize) return -1;
            std::memset(dst + out, src[pos + 3], static_cast<size_t>(count));
            out += count;
            pos += 4;
        }
        control <<= 1;
        --bits;
    }
    return out;
}
