#pragma once
// One Compress, Decompress or Advise of Tlzrw1: its input and output (files
// or the caller's streams), its I/O buffers and its byte counters. Leaving
// the run without commit() closes and deletes an output file it created.
#include "lzrw1.h"

#include <QFile>

#include <cstdint>
#include <memory>

class Lzrw1Run {
public:
    explicit Lzrw1Run(const Tlzrw1& owner);
    ~Lzrw1Run();
    Lzrw1Run(const Lzrw1Run&) = delete;
    Lzrw1Run& operator=(const Lzrw1Run&) = delete;

    [[noreturn]] static void fail(const QString& text) { throw ELzrw1Exception(text); }

    bool streams() const { return owner_.UseStream; }
    const QString& inputName() const { return owner_.InputFile; }

    // Both I/O buffers; false when they cannot be had.
    bool allocateBuffers();
    uint8_t* inBuffer() const { return in_.get(); }
    uint8_t* outBuffer() const { return out_.get(); }

    // Bytes from the input's start (its current position for a stream) to
    // its end; -1 when unknown.
    qint64 inputSize() const;
    // False when a file cannot be opened or a stream is not readable.
    bool openInput();
    // Positions the input `offset` bytes after its start.
    bool seekInput(qint64 offset);
    // Puts a stream back where it was found.
    void rewindStream();
    void closeInput();

    // Creates the output file (or checks the output stream); throws the
    // open or initialise text.
    void createOutput();

    // Reads exactly n bytes or throws the read error.
    void readExact(void* buf, qint64 n);
    // Reads up to n bytes (fewer only at the end); -1 on a failed read.
    qint64 readUpTo(void* buf, qint64 n);
    // The read error of a failed read while coding, tagged with the method.
    [[noreturn]] void failRead(const char* method) const;
    // Writes all n bytes or throws the write error.
    void write(const void* buf, qint64 n);
    // Closes the output for good (flush failures are write errors).
    void commit();

    quint64 bytesIn = 0;
    quint64 bytesOut = 0;

private:
    const Tlzrw1& owner_;
    std::unique_ptr<uint8_t[]> in_;
    std::unique_ptr<uint8_t[]> out_;
    QFile inFile_;
    QFile outFile_;
    QIODevice* input_ = nullptr;
    QIODevice* output_ = nullptr;
    qint64 streamStart_ = 0;
    bool outputCreated_ = false;
    bool removeOnFailure_ = false;
};
