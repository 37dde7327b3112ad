#include "lzhuf.h"

#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr int N = 4096;                    // ring buffer size
constexpr int F = 60;                      // look-ahead, the longest match
constexpr int Threshold = 2;               // a match must be longer than this
constexpr int Nil = N;                     // "no node" in the search trees
constexpr int NChar = 256 - Threshold + F; // literals, then lengths 3..60
constexpr int T = NChar * 2 - 1;           // nodes of the Huffman tree
constexpr int Root = T - 1;
constexpr unsigned MaxFreq = 0x8000;
constexpr int Slack = 8; // lets the tree search compare eight bytes at once

// The fixed code of a position's upper six bits: 1 code of 3 bits, 3 of 4,
// 8 of 5, 12 of 6, 24 of 7 and 16 of 8, handed out in increasing order.
struct PositionCode {
    std::array<uint8_t, 64> len{};
    std::array<uint8_t, 64> code{}; // left-aligned in a byte
    std::array<uint8_t, 256> decode{};
    std::array<uint8_t, 256> decodeLen{};
};

constexpr PositionCode makePositionCode() {
    PositionCode pc;
    constexpr int counts[] = {1, 3, 8, 12, 24, 16};
    int u = 0;
    unsigned next = 0;
    for (int l = 3; l <= 8; ++l) {
        for (int i = 0; i < counts[l - 3]; ++i, ++u) {
            pc.len[u] = static_cast<uint8_t>(l);
            pc.code[u] = static_cast<uint8_t>(next);
            const unsigned span = 1u << (8 - l);
            for (unsigned b = next; b < next + span; ++b) {
                pc.decode[b] = static_cast<uint8_t>(u);
                pc.decodeLen[b] = static_cast<uint8_t>(l);
            }
            next += span;
        }
    }
    return pc;
}

constexpr PositionCode positionCode = makePositionCode();
static_assert(positionCode.code[11] == 0x88 && positionCode.code[23] == 0xBC &&
              positionCode.code[47] == 0xEE && positionCode.code[63] == 0xFF);

inline uint64_t load64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The adaptive Huffman tree: nodes kept in order of frequency (the sibling
// property), leaves son[] >= T, the children of node i at son[i], son[i]+1.
struct Huffman {
    unsigned freq[T + 1];
    int prnt[T + NChar]; // [T..] locate the leaf of each symbol
    int son[T];

    void start() {
        for (int i = 0; i < NChar; ++i) {
            freq[i] = 1;
            son[i] = i + T;
            prnt[i + T] = i;
        }
        for (int i = 0, j = NChar; j <= Root; i += 2, ++j) {
            freq[j] = freq[i] + freq[i + 1];
            son[j] = i;
            prnt[i] = prnt[i + 1] = j;
        }
        freq[T] = 0xFFFF; // sentinel for the search in update()
        prnt[Root] = 0;
    }

    // Halves every leaf's frequency and builds the tree anew.
    void reconst() {
        int j = 0;
        for (int i = 0; i < T; ++i) {
            if (son[i] >= T) {
                freq[j] = (freq[i] + 1) / 2;
                son[j] = son[i];
                ++j;
            }
        }
        for (int i = 0, j2 = NChar; j2 < T; i += 2, ++j2) {
            const unsigned f = freq[i] + freq[i + 1];
            int k = j2 - 1;
            while (f < freq[k])
                --k;
            ++k;
            // Whole entries move up by one to make room at k.
            std::memmove(&freq[k + 1], &freq[k], sizeof freq[0] * (j2 - k));
            freq[k] = f;
            std::memmove(&son[k + 1], &son[k], sizeof son[0] * (j2 - k));
            son[k] = i;
        }
        for (int i = 0; i < T; ++i) {
            const int k = son[i];
            if (k >= T)
                prnt[k] = i;
            else
                prnt[k] = prnt[k + 1] = i;
        }
    }

    // Index of the last node after c whose frequency is below k; the nodes
    // from c + 1 up to it all share the frequency k - 1.
    int lastBelow(int c, unsigned k) const {
        int lo = c + 1; // freq[lo] < k is known
        int step = 1;
        int hi = lo + step;
        while (freq[hi] < k) { // the sentinel stops this
            lo = hi;
            step *= 2;
            hi = std::min(lo + step, T);
        }
        // freq[lo] < k <= freq[hi]
        while (hi - lo > 1) {
            const int mid = lo + (hi - lo) / 2;
            if (freq[mid] < k)
                lo = mid;
            else
                hi = mid;
        }
        return lo;
    }

    void update(int c) {
        if (freq[Root] == MaxFreq) reconst();
        c = prnt[c + T];
        do {
            const unsigned k = ++freq[c];
            if (k > freq[c + 1]) {
                const int l = lastBelow(c, k);
                freq[c] = freq[l];
                freq[l] = k;

                const int i = son[c];
                prnt[i] = l;
                if (i < T) prnt[i + 1] = l;

                const int j = son[l];
                son[l] = i;

                prnt[j] = c;
                if (j < T) prnt[j + 1] = c;
                son[c] = j;

                c = l;
            }
        } while ((c = prnt[c]) != 0);
    }
};

class BitWriter {
public:
    explicit BitWriter(LzhSink& sink) : sink_(sink) {}

    // Appends the low len bits of code, most significant first.
    void put(int len, uint32_t code) {
        acc_ = (acc_ << len) | code;
        bits_ += len;
        while (bits_ >= 8) {
            bits_ -= 8;
            byte(static_cast<uint8_t>(acc_ >> bits_));
        }
    }

    // Pads the last byte with zero bits and hands everything to the sink.
    void finish() {
        if (bits_ > 0) byte(static_cast<uint8_t>(acc_ << (8 - bits_)));
        bits_ = 0;
        if (n_ > 0) sink_.put(buf_, n_);
        n_ = 0;
    }

private:
    void byte(uint8_t b) {
        buf_[n_++] = b;
        if (n_ == TLZH::BufferSize) {
            sink_.put(buf_, n_);
            n_ = 0;
        }
    }

    LzhSink& sink_;
    uint64_t acc_ = 0;
    int bits_ = 0;
    int n_ = 0;
    uint8_t buf_[TLZH::BufferSize];
};

class BitReader {
public:
    explicit BitReader(LzhSource& source) : source_(source) {}

    unsigned bit() {
        if (bits_ == 0) refill();
        const auto b = static_cast<unsigned>(acc_ >> 63);
        acc_ <<= 1;
        --bits_;
        return b;
    }

    unsigned byte() {
        if (bits_ < 8) refill();
        const auto b = static_cast<unsigned>(acc_ >> 56);
        acc_ <<= 8;
        bits_ -= 8;
        return b;
    }

    // Bits taken beyond the real end of the source. A whole stream never
    // needs any; a damaged one would otherwise decode zeros for ever.
    int overrun() const { return padBytes_ * 8 - bits_; }

private:
    // Tops the accumulator up to at least 57 bits; past the end of the
    // source every byte reads as zero.
    void refill() {
        while (bits_ <= 56) {
            acc_ |= uint64_t{next()} << (56 - bits_);
            bits_ += 8;
        }
    }

    uint8_t next() {
        if (pos_ == end_) {
            if (!eof_) {
                end_ = source_.fill(buf_, TLZH::BufferSize);
                pos_ = 0;
                if (end_ <= 0) {
                    end_ = 0;
                    eof_ = true;
                }
            }
            if (eof_) {
                if (padBytes_ < 1 << 20) ++padBytes_;
                return 0;
            }
        }
        return buf_[pos_++];
    }

    LzhSource& source_;
    uint64_t acc_ = 0;
    int bits_ = 0;
    int padBytes_ = 0;
    int pos_ = 0;
    int end_ = 0;
    bool eof_ = false;
    uint8_t buf_[TLZH::BufferSize];
};

class ByteReader {
public:
    explicit ByteReader(LzhSource& source) : source_(source) {}
    // The next byte, or -1 at the end.
    int get() {
        if (pos_ == end_) {
            if (eof_) return -1;
            end_ = source_.fill(buf_, TLZH::BufferSize);
            pos_ = 0;
            if (end_ <= 0) {
                end_ = 0;
                eof_ = true;
                return -1;
            }
        }
        return buf_[pos_++];
    }

private:
    LzhSource& source_;
    int pos_ = 0;
    int end_ = 0;
    bool eof_ = false;
    uint8_t buf_[TLZH::BufferSize];
};

// Everything one run needs; allocated per run.
struct Encoder {
    // The first N - F positions hold spaces; the rest, including the copy of
    // the ring's start kept behind its end, begins as zero bytes.
    uint8_t text[N + F - 1 + Slack] = {};
    // Both children of a node side by side, so that the search picks one by
    // the comparison instead of by a jump; nodes N + 1 .. N + 256 are roots.
    int16_t kid[N + 257][2];
    int16_t dad[N + 1];
    int16_t& lson(int i) { return kid[i][0]; }
    int16_t& rson(int i) { return kid[i][1]; }
    int matchPosition = 0;
    int matchLength = 0;
    Huffman huff;

    void initTree() {
        for (int i = N + 1; i <= N + 256; ++i)
            rson(i) = Nil;
        for (int i = 0; i < N; ++i)
            dad[i] = Nil;
    }

    // Index of the first byte in [1, F) where the strings at a and b differ,
    // or F when they agree on all of them.
    static int firstDifference(const uint8_t* a, const uint8_t* b) {
        if constexpr (std::endian::native == std::endian::little) {
            for (int i = 1; i < F; i += 8) {
                const uint64_t d = load64(a + i) ^ load64(b + i);
                if (d != 0) {
                    const int at = i + (std::countr_zero(d) >> 3);
                    return at < F ? at : F;
                }
            }
            return F;
        } else {
            int i = 1;
            while (i < F && a[i] == b[i])
                ++i;
            return i;
        }
    }

    void insertNode(int r) {
        int cmp = 1;
        const uint8_t* key = &text[r];
        int p = N + 1 + key[0];
        rson(r) = lson(r) = Nil;
        matchLength = 0;
        for (;;) {
            const int dir = cmp >= 0 ? 1 : 0;
            const int next = kid[p][dir];
            if (next == Nil) {
                kid[p][dir] = static_cast<int16_t>(r);
                dad[r] = static_cast<int16_t>(p);
                return;
            }
            p = next;
            const int i = firstDifference(key, &text[p]);
            if (i < F) cmp = int{key[i]} - int{text[p + i]};
            if (i > Threshold) {
                const int distance = ((r - p) & (N - 1)) - 1;
                if (i > matchLength) {
                    matchPosition = distance;
                    if ((matchLength = i) >= F) break;
                } else if (i == matchLength && distance < matchPosition) {
                    matchPosition = distance;
                }
            }
        }
        // A full-length match: r takes p's place in the tree.
        dad[r] = dad[p];
        lson(r) = lson(p);
        rson(r) = rson(p);
        dad[lson(p)] = static_cast<int16_t>(r);
        dad[rson(p)] = static_cast<int16_t>(r);
        if (rson(dad[p]) == p)
            rson(dad[p]) = static_cast<int16_t>(r);
        else
            lson(dad[p]) = static_cast<int16_t>(r);
        dad[p] = Nil;
    }

    void deleteNode(int p) {
        if (dad[p] == Nil) return;
        int q;
        if (rson(p) == Nil) {
            q = lson(p);
        } else if (lson(p) == Nil) {
            q = rson(p);
        } else {
            q = lson(p);
            if (rson(q) != Nil) {
                do {
                    q = rson(q);
                } while (rson(q) != Nil);
                rson(dad[q]) = lson(q);
                dad[lson(q)] = dad[q];
                lson(q) = lson(p);
                dad[lson(p)] = static_cast<int16_t>(q);
            }
            rson(q) = rson(p);
            dad[rson(p)] = static_cast<int16_t>(q);
        }
        dad[q] = dad[p];
        if (rson(dad[p]) == p)
            rson(dad[p]) = static_cast<int16_t>(q);
        else
            lson(dad[p]) = static_cast<int16_t>(q);
        dad[p] = Nil;
    }

    void encodeChar(BitWriter& out, int c) {
        uint32_t code = 0;
        int len = 0;
        int k = huff.prnt[c + T];
        do {
            code |= static_cast<uint32_t>(k & 1) << len;
            ++len;
        } while ((k = huff.prnt[k]) != Root);
        // Codes longer than 16 bits are written whole; a 16-bit coder would
        // drop their last bits and leave a stream that cannot be decoded.
        out.put(len, code);
        huff.update(c);
    }

    static void encodePosition(BitWriter& out, unsigned c) {
        const unsigned u = c >> 6;
        const int len = positionCode.len[u];
        out.put(len, positionCode.code[u] >> (8 - len));
        out.put(6, c & 0x3F);
    }
};

struct Decoder {
    uint8_t text[N] = {};
    Huffman huff;
};

template <class T> std::unique_ptr<T> allocate() {
    try {
        return std::make_unique<T>();
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
}

class ByteWriter {
public:
    explicit ByteWriter(LzhSink& sink) : sink_(sink) {}
    void put(uint8_t b) {
        buf_[n_++] = b;
        if (n_ == TLZH::BufferSize) {
            sink_.put(buf_, n_);
            n_ = 0;
        }
    }
    void finish() {
        if (n_ > 0) sink_.put(buf_, n_);
        n_ = 0;
    }

private:
    LzhSink& sink_;
    int n_ = 0;
    uint8_t buf_[TLZH::BufferSize];
};

} // namespace

uint64_t TLZH::encode(LzhSource& source, LzhSink& sink) {
    auto e = allocate<Encoder>();
    auto in = std::make_unique<ByteReader>(source);
    auto out = std::make_unique<BitWriter>(sink);

    int c = in->get();
    if (c < 0) return 0; // an empty input has an empty stream
    e->huff.start();
    e->initTree();
    int s = 0;
    int r = N - F;
    std::memset(e->text, ' ', N - F);
    int len = 0;
    while (len < F && c >= 0) {
        e->text[r + len] = static_cast<uint8_t>(c);
        if (++len < F) c = in->get();
    }
    uint64_t size = static_cast<uint64_t>(len);
    for (int i = 1; i <= F; ++i)
        e->insertNode(r - i);
    e->insertNode(r);
    do {
        if (e->matchLength > len) e->matchLength = len;
        if (e->matchLength <= Threshold) {
            e->matchLength = 1;
            e->encodeChar(*out, e->text[r]);
        } else {
            e->encodeChar(*out, 255 - Threshold + e->matchLength);
            Encoder::encodePosition(*out, static_cast<unsigned>(e->matchPosition));
        }
        const int lastMatchLength = e->matchLength;
        int i = 0;
        for (; i < lastMatchLength && (c = in->get()) >= 0; ++i) {
            e->deleteNode(s);
            e->text[s] = static_cast<uint8_t>(c);
            if (s < F - 1) e->text[s + N] = static_cast<uint8_t>(c);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            e->insertNode(r);
        }
        size += static_cast<uint64_t>(i);
        while (i++ < lastMatchLength) {
            e->deleteNode(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len) e->insertNode(r);
        }
    } while (len > 0);
    out->finish();
    return size;
}

uint64_t TLZH::decode(LzhSource& source, LzhSink& sink, uint64_t size) {
    if (size == 0) return 0;
    auto d = allocate<Decoder>();
    auto in = std::make_unique<BitReader>(source);
    auto out = std::make_unique<ByteWriter>(sink);
    Huffman& huff = d->huff;
    uint8_t* const text = d->text;

    huff.start();
    std::memset(text, ' ', N - F);
    int r = N - F;
    uint64_t count = 0;
    // A stream ends with its last code; reading on past a byte of padding
    // means the stated size is not what this stream holds.
    constexpr int PaddingBits = 8;
    while (count < size && in->overrun() <= PaddingBits) {
        int c = huff.son[Root];
        while (c < T)
            c = huff.son[c + static_cast<int>(in->bit())];
        c -= T;
        huff.update(c);
        if (c < 256) {
            out->put(static_cast<uint8_t>(c));
            text[r] = static_cast<uint8_t>(c);
            r = (r + 1) & (N - 1);
            ++count;
        } else {
            unsigned i = in->byte();
            const unsigned upper = unsigned{positionCode.decode[i]} << 6;
            for (int j = positionCode.decodeLen[i] - 2; j > 0; --j)
                i = (i << 1) + in->bit();
            const unsigned position = upper | (i & 0x3F);
            const int from = static_cast<int>((static_cast<unsigned>(r) - position - 1) & (N - 1));
            const int length = c - 255 + Threshold;
            for (int k = 0; k < length; ++k) {
                const uint8_t b = text[(from + k) & (N - 1)];
                out->put(b);
                text[r] = b;
                r = (r + 1) & (N - 1);
            }
            count += static_cast<uint64_t>(length);
        }
    }
    out->finish();
    return count;
}
