#include "lzrw1kh.h"

#include <algorithm>
#include <bit>
#include <cstddef>
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

// Index of the first byte that differs in two words loaded by load64 (their
// XOR is d); 8 when they are equal.
inline int firstDifference(uint64_t d) {
    if constexpr (std::endian::native == std::endian::little)
        return std::countr_zero(d) >> 3;
    else
        return std::countl_zero(d) >> 3;
}

// Number of equal leading bytes of a and b, at most limit (<= MaxCopy).
inline int matchLength(const uint8_t* a, const uint8_t* b, int limit) {
    if (limit == MaxCopy) {
        const int head = firstDifference(load64(a) ^ load64(b));
        if (head < 8) return head;
        const int more = firstDifference(load64(a + 8) ^ load64(b + 8));
        if (more < 8) return 8 + more;
        int len = 16;
        while (len < MaxCopy && a[len] == b[len])
            ++len;
        return len;
    }
    int len = 0;
    while (len < limit && a[len] == b[len])
        ++len;
    return len;
}

inline unsigned hashOf(const uint8_t* at) {
    const unsigned key = (((unsigned{at[0]} << 4) ^ at[1]) << 4) ^ at[2];
    return ((key * 40543u) >> 4) & 0xFFF;
}

// hashOf for the n positions from `at` (which must be readable up to
// at[n + 1]). Only bits 4..15 of the product are kept, so 16-bit lanes give
// the same values, and the loop becomes vector code.
void hashRange(const uint8_t* __restrict at, std::ptrdiff_t n, uint16_t* __restrict out) {
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        const auto key = static_cast<uint16_t>((at[i] << 8) ^ (at[i + 1] << 4) ^ at[i + 2]);
        out[i] = static_cast<uint16_t>(static_cast<uint16_t>(key * 40543u) >> 4);
    }
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
    // Positions are below 0x8000, so an entry with the top bit set is empty.
    // Its low bits name a position from which a whole copy can be read, so
    // that the search may read there before it knows the entry is empty.
    const auto empty = static_cast<uint16_t>(0x8000 | std::max(n - MaxCopy, 0));
    std::fill_n(hash, HashSize, empty);
    static_assert(HashSize == 0x1000, "hashOf masks to 12 bits");

    dst[0] = FlagCompressed;
    using Index = std::ptrdiff_t; // no widening at every access
    const Index end = n;
    Index slot = 1; // where the current control word goes
    Index y = 3;
    Index x = 0;
    unsigned control = 0;
    int items = 0;

    // Whole groups of 16 items while they can neither read past the piece
    // (a copy takes at most MaxCopy bytes, each read at most MaxCopy ahead)
    // nor stop for a full output (an item writes at most 4 bytes): no item
    // in them needs to look at either end.
    constexpr Index GroupIn = 16 * MaxCopy;
    constexpr Index GroupOut = 2 + 16 * 4;
    // Hashes of the positions from hashedFrom to hashedTo, computed ahead in
    // bulk so that the search after a copy need not wait for them.
    constexpr Index Chunk = 4096;
    uint16_t hashes[Chunk];
    Index hashedFrom = 0;
    Index hashedTo = 0;
    while (x + GroupIn <= end && y + GroupOut <= end) {
        if (x + GroupIn > hashedTo) {
            hashedFrom = x;
            hashedTo = std::min(x + Chunk, end - 2);
            hashRange(src + x, hashedTo - x, hashes);
        }
        if (items == 16) {
            putWord(dst + slot, control);
            slot = y;
            y += 2;
            items = 0;
            control = 0;
        }
        do {
            ++items;
            const uint8_t* const at = src + x;
            const uint64_t head = load64(at);
            const uint8_t value = at[0];
            // Eight equal bytes are the only words a byte's rotation keeps.
            if (head == std::rotr(head, 8) && load64(at + 8) == head) {
                const Index limit = std::min<Index>(end - x, MaxRun);
                Index run = 16;
                while (run < limit && at[run] == value)
                    ++run;
                dst[y] = 0;
                putWord(dst + y + 1, static_cast<unsigned>(run - MinRun));
                dst[y + 3] = value;
                y += 4;
                x += run;
                control = (control << 1) | 1;
                break; // a run may leave the group's bounds: check them again
            }
            // Runs shorter than MinRun go to the match search.
            const unsigned h = hashes[x - hashedFrom];
            const unsigned p = hash[h];
            hash[h] = static_cast<uint16_t>(x);
            // An empty entry lies "after" x, so its distance wraps far
            // beyond the window; any other entry lies before x. A match out
            // of the window is dropped by arithmetic, not by a jump that
            // mispredicts on data without structure.
            const unsigned distance = static_cast<unsigned>(x) - p;
            const int keep = -static_cast<int>(distance < Window);
            const uint8_t* const from = src + (p & 0x7FFF);
            int len = firstDifference(head ^ load64(from)) & keep;
            if (len >= MinCopy) {
                // The length is chosen by arithmetic too: whether a copy
                // reaches 8 or 16 bytes follows no pattern in most data.
                const int second = 8 + firstDifference(load64(at + 8) ^ load64(from + 8));
                const bool at16 = at[16] == from[16];
                const int third = 16 + at16 + (at16 & (at[17] == from[17]));
                len = len < 8 ? len : second < 16 ? second : third;
                putWord(dst + y, (distance << 4) + static_cast<unsigned>(len - MinCopy));
                y += 2;
                x += len;
                control = (control << 1) | 1;
            } else {
                dst[y++] = value;
                ++x;
                control <<= 1;
            }
        } while (items < 16);
    }

    // The rest item by item, each read checked against the piece's end.
    while (x < end && y <= end) {
        if (items == 16) {
            putWord(dst + slot, control);
            slot = y;
            y += 2;
            items = 0;
            control = 0;
        }
        ++items;
        const uint8_t value = src[x];
        Index run = 1;
        if (x + 1 < end && src[x + 1] == value) {
            const Index limit = std::min<Index>(end - x, MaxRun);
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
            continue;
        }
        // The last two positions of a piece can never start a copy, so
        // they are not hashed either; the coded result is the same.
        if (x + 2 < end) {
            const unsigned h = hashOf(src + x);
            const unsigned p = hash[h];
            hash[h] = static_cast<uint16_t>(x);
            if (p != empty && x - static_cast<Index>(p) < Window) {
                const int len = matchLength(src + x, src + p,
                                            static_cast<int>(std::min<Index>(MaxCopy, end - x)));
                if (len >= MinCopy) {
                    putWord(dst + y, ((static_cast<unsigned>(x) - p) << 4) +
                                         static_cast<unsigned>(len - MinCopy));
                    y += 2;
                    x += len;
                    control = (control << 1) | 1;
                    continue;
                }
            }
        }
        dst[y++] = value;
        ++x;
        control <<= 1;
    }
    putWord(dst + slot, (control << (16 - items)) & 0xFFFF);
    if (y > end) {
        dst[0] = FlagStored;
        // An empty piece may come with no buffer at all; copying from it is
        // undefined even for no bytes.
        if (n > 0) std::memcpy(dst + 1, src, static_cast<size_t>(n));
        return n + 1;
    }
    return static_cast<int>(y);
}

int TLZR::decompressPiece(const uint8_t* src, int len, uint8_t* dst) {
    if (len <= 1) return 0;
    if (src[0] == FlagStored) {
        if (len - 1 > PieceSize) return -1;
        std::memcpy(dst, src + 1, static_cast<size_t>(len - 1));
        return len - 1;
    }
    if (len < 3) return 0;
    using Index = std::ptrdiff_t;
    const Index end = len;
    const auto word = [src](Index at) { return (uint32_t{src[at]} << 8) | src[at + 1]; };
    // The control word sits left-aligned with a marker bit after its last
    // item: leading zeros count literals up to the next other item, and the
    // word is used up when only the marker is left.
    constexpr uint32_t Marker = 0x8000;
    constexpr uint32_t UsedUp = 0x80000000u;
    uint32_t control = (word(1) << 16) | Marker;
    Index pos = 3;
    Index out = 0;
    // A whole control word's items, with 16 bytes read or written for its
    // last literals, stay this far from the ends: 2 + 16 * 4 + 16 bytes of
    // input and 16 * MaxCopy + 16 bytes of output.
    constexpr Index WordIn = 2 + 16 * 4 + 16;
    constexpr Index WordOut = PieceSize - 16 * MaxCopy - 16;
    for (;;) {
        if (control == UsedUp) {
            // A control word with no item after it governs nothing.
            if (pos + 2 >= end) break;
            control = (word(pos) << 16) | Marker;
            pos += 2;
            if (pos - 2 + WordIn <= end && out <= WordOut) {
                // Nothing in this word can reach past an end but a run, so
                // copy as many literals as there may be (the slack takes the
                // rest), then the item after them.
                for (;;) {
                    const int literals = std::countl_zero(control | 1);
                    std::memcpy(dst + out, src + pos, 16);
                    out += literals;
                    pos += literals;
                    control <<= literals;
                    if (control == UsedUp) break;
                    control <<= 1;
                    const unsigned k = word(pos);
                    const Index offset = k >> 4;
                    if (offset != 0) {
                        if (offset > out) return -1;
                        uint8_t* to = dst + out;
                        const uint8_t* from = to - offset;
                        if (offset >= 8) {
                            // Each stride reads only bytes already final.
                            for (int i = 0; i < MaxCopy + 6; i += 8)
                                std::memcpy(to + i, from + i, 8);
                        } else {
                            for (unsigned i = 0; i < (k & 15) + MinCopy; ++i)
                                to[i] = from[i];
                        }
                        out += (k & 15) + MinCopy;
                        pos += 2;
                    } else {
                        const Index count = word(pos + 1) + MinRun;
                        if (out + count > PieceSize) return -1;
                        std::memset(dst + out, src[pos + 3], static_cast<size_t>(count));
                        out += count;
                        pos += 4;
                        // The rest of the word goes item by item.
                        if (out > WordOut) break;
                    }
                }
                continue;
            }
        } else if (pos >= end) {
            break;
        }
        // Near an end every item is checked against it.
        const int literals = std::countl_zero(control | 1);
        if (literals > 0) {
            const Index n = std::min<Index>(literals, end - pos);
            if (out + n > PieceSize) return -1;
            std::memcpy(dst + out, src + pos, static_cast<size_t>(n));
            out += n;
            pos += n;
            control <<= n;
            continue;
        }
        control <<= 1;
        if (pos + 2 > end) return -1;
        const unsigned k = word(pos);
        const Index offset = k >> 4;
        if (offset != 0) {
            const Index count = (k & 15) + MinCopy;
            if (offset > out || out + count > PieceSize) return -1;
            uint8_t* to = dst + out;
            const uint8_t* from = to - offset;
            for (Index i = 0; i < count; ++i)
                to[i] = from[i];
            out += count;
            pos += 2;
        } else {
            if (pos + 4 > end) return -1;
            const Index count = word(pos + 1) + MinRun;
            if (out + count > PieceSize) return -1;
            std::memset(dst + out, src[pos + 3], static_cast<size_t>(count));
            out += count;
            pos += 4;
        }
    }
    return static_cast<int>(out);
}
