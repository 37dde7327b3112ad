#pragma once
// The fast engine: a small-window LZ77 coder with 16-item control words,
// 12-bit offsets, copy lengths 3 to 18 and run items, applied to pieces of at
// most PieceSize bytes that are coded independently of each other.
#include <cstdint>
#include <memory>
#include <stdexcept>

class ELzrw1KHCompressor : public std::runtime_error {
public:
    explicit ELzrw1KHCompressor(const char* text) : std::runtime_error(text) {}
};

class TLZR {
public:
    static constexpr int PieceSize = 32768;
    // Room the encoder needs beyond the piece length in its output, and the
    // decoder beyond PieceSize in its output (it copies in fixed-size strides).
    static constexpr int Slack = 16;
    // Largest encoded piece: the flag byte followed by a stored piece.
    static constexpr int MaxEncoded = PieceSize + 1;

    static constexpr uint8_t FlagCompressed = 0x40;
    static constexpr uint8_t FlagStored = 0x80;

    // Throws ELzrw1KHCompressor when its hash table cannot be had.
    TLZR();

    // Encodes src[0..n) (n <= PieceSize) into dst, which must hold n + Slack
    // bytes; returns the encoded length (at most n + 1). Never reads beyond
    // src + n.
    int compressPiece(const uint8_t* src, int n, uint8_t* dst);

    // Decodes one encoded piece of length len into dst, which must hold
    // PieceSize + Slack bytes. Returns the decoded length, or -1 when the
    // piece is corrupt: a copy reaching before the piece's output, an item
    // cut off by the end of the piece, or more than PieceSize bytes.
    static int decompressPiece(const uint8_t* src, int len, uint8_t* dst);

private:
    static constexpr int HashSize = 4096;
    std::unique_ptr<uint16_t[]> hash_;
};
