#pragma once
// Tlzrw1 compresses one file (or stream) into another and back, in one of two
// methods kept in a common container: the fast piece-wise coder (TLZR) or the
// good whole-stream coder (TLZH). A four-byte signature tells them apart:
//
//   offset 0  4 bytes  "WRZL" (fast) or "!HZL" (good)
//   offset 4  4 bytes  original size, little-endian
//   offset 8  ...      fast: pieces, each a little-endian 16-bit length L
//                      (1..32769) and L coded bytes; the first piece that
//                      holds fewer than 32768 bytes ends the body (so an
//                      input of a multiple of 32768 bytes ends in the empty
//                      piece 01 00 80).
//                      good: one bit stream, no length of its own.
//
// Failures are thrown as ELzrw1Exception with fixed texts (and
// ELzrw1KHCompressor / ElzhException when an engine lacks memory). An output
// file is never left behind by a failed operation.
#include "lzhuf.h"
#include "lzrw1kh.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>

class QIODevice;

class ELzrw1Exception : public std::runtime_error {
public:
    explicit ELzrw1Exception(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

enum class TCompressMode { Good = 0, Fast = 1, Auto = 2 };

class Tlzrw1 {
public:
    static constexpr quint32 SignatureFast = 0x4C5A5257; // "WRZL"
    static constexpr quint32 SignatureGood = 0x4C5A4821; // "!HZL"
    static constexpr int HeaderSize = 8;
    // One piece plus the slack the fast coder may use beyond it.
    static constexpr int IoBufferSize = TLZR::PieceSize + TLZR::Slack;
    // Inputs up to this size are always given the good method by Advise.
    static constexpr qint64 SmallInput = 3 * TLZR::PieceSize - 1;

    QString InputFile;
    QString OutputFile; // created anew
    TCompressMode CompressMode = TCompressMode::Good;
    int Threshold = 40; // percent: Advise picks Fast when it shrinks below this
    // Work on InputStream / OutputStream (both open, owned by the caller)
    // instead of the two files. Reading starts at the input's current
    // position; the output is written at its current position.
    bool UseStream = false;
    QIODevice* InputStream = nullptr;
    QIODevice* OutputStream = nullptr;

    // Progress and result texts. Unset, nothing is shown (the tally's own
    // instance is hidden).
    std::function<void(const QString&)> OnProgress;
    // Called after every checked read and write: the place where a caller
    // lets its user interface breathe during long runs.
    std::function<void()> OnIdle;

    void setStreams(QIODevice* input, QIODevice* output) {
        InputStream = input;
        OutputStream = output;
        UseStream = true;
    }

    // Returns the number of bytes written, header included.
    qint64 Compress();
    // Returns the number of bytes written; accepts either signature.
    qint64 Decompress();
    // Samples the input and returns Good or Fast. A small input sets
    // CompressMode to Good as a side effect.
    TCompressMode Advise();

    // In-memory entry points for callers that need no file names; they
    // throw like the stream mode does.
    static QByteArray compressData(const QByteArray& data, TCompressMode mode);
    static QByteArray decompressData(const QByteArray& data);

private:
    friend class Lzrw1Run;
    void show(const QString& text) const {
        if (OnProgress) OnProgress(text);
    }
    void idle() const {
        if (OnIdle) OnIdle();
    }

    TLZR lzr_;
    TLZH lzh_;
};
