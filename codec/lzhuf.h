#pragma once
// The good engine: LZSS over a 4096-byte ring buffer whose longest matches are
// found in binary search trees, followed by adaptive Huffman coding of
// literals and match lengths and a fixed prefix code for match positions.
// The bit stream is exactly the one of the long-published 16-bit coder, so
// files written by other programs of that family decode here and vice versa.
#include <cstdint>
#include <stdexcept>

class ElzhException : public std::runtime_error {
public:
    explicit ElzhException(const char* text) : std::runtime_error(text) {}
};

// Where the engines get their input from: fill up to cap bytes into buf and
// return how many were placed, 0 at the end. Failures are thrown.
class LzhSource {
public:
    virtual ~LzhSource() = default;
    virtual int fill(uint8_t* buf, int cap) = 0;
};

// Where the engines put their output: take n bytes. Failures are thrown.
class LzhSink {
public:
    virtual ~LzhSink() = default;
    virtual void put(const uint8_t* buf, int n) = 0;
};

class TLZH {
public:
    // Size of the chunks read from the source and handed to the sink.
    static constexpr int BufferSize = 32768;

    // Codes everything the source gives; returns the number of input bytes.
    // Its tables are allocated here and freed on return (ElzhException when
    // they cannot be had).
    uint64_t encode(LzhSource& in, LzhSink& out);

    // Decodes until `size` bytes were produced (the last match may overshoot;
    // the caller sees that in the returned count). Beyond the end of the
    // source the stream reads as zero bytes.
    uint64_t decode(LzhSource& in, LzhSink& out, uint64_t size);
};
