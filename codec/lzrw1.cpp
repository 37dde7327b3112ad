#include "lzrw1.h"

#include "lzrw1_run.h"

#include <QBuffer>

#include <algorithm>

namespace {

constexpr qint64 MaxOriginalSize = 0xFFFFFFFFLL; // the header holds 32 bits

void putLe32(uint8_t* at, quint32 v) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(v >> (8 * i));
}

quint32 getLe32(const uint8_t* at) {
    return quint32{at[0]} | quint32{at[1]} << 8 | quint32{at[2]} << 16 | quint32{at[3]} << 24;
}

QString percent(quint64 part, quint64 whole) {
    // Nothing read means nothing to relate to; show 0.
    return QString::number(whole == 0 ? 0 : part * 100 / whole);
}

QString progress(const char* method, quint64 in, quint64 out) {
    return QStringLiteral("(%1) Bytes in : %2 Bytes out : %3")
        .arg(QLatin1String(method))
        .arg(in)
        .arg(out);
}

void allocateOrFail(Lzrw1Run& run) {
    if (!run.allocateBuffers())
        Lzrw1Run::fail(
            QStringLiteral("Lzrw1 (de)compression : Failed to get memory for I/O buffers !"));
}

void openInputOrFail(Lzrw1Run& run) {
    if (run.openInput()) return;
    if (run.streams())
        Lzrw1Run::fail(
            QStringLiteral("Lzrw1 (de)compression : Failed to initialize input stream !"));
    Lzrw1Run::fail(QStringLiteral("Lzrw1 (de)compression : Failed to open input file : ") +
                   run.inputName());
}

// Reads the good coder's input through the run, counting and reporting.
class RunSource : public LzhSource {
public:
    RunSource(Lzrw1Run& run, const Tlzrw1& z, bool reportProgress)
        : run_(run), z_(z), report_(reportProgress) {}
    int fill(uint8_t* buf, int cap) override {
        const qint64 got = run_.readUpTo(buf, cap);
        if (got < 0) run_.failRead("LZH");
        run_.bytesIn += static_cast<quint64>(got);
        if (report_ && z_.OnProgress) z_.OnProgress(progress("LZH", run_.bytesIn, run_.bytesOut));
        return static_cast<int>(got);
    }

private:
    Lzrw1Run& run_;
    const Tlzrw1& z_;
    bool report_;
};

class RunSink : public LzhSink {
public:
    RunSink(Lzrw1Run& run, const Tlzrw1& z, bool reportProgress)
        : run_(run), z_(z), report_(reportProgress) {}
    void put(const uint8_t* buf, int n) override {
        run_.write(buf, n);
        if (report_ && z_.OnProgress) z_.OnProgress(progress("LZH", run_.bytesIn, run_.bytesOut));
    }

private:
    Lzrw1Run& run_;
    const Tlzrw1& z_;
    bool report_;
};

} // namespace

qint64 Tlzrw1::Compress() {
    const TCompressMode mode = CompressMode == TCompressMode::Auto ? Advise() : CompressMode;
    const bool fast = mode == TCompressMode::Fast;

    Lzrw1Run run(*this);
    allocateOrFail(run);
    if (UseStream) // a missing stream is not a matter of its size
        openInputOrFail(run);
    const qint64 size = run.inputSize();
    if (size < 0 || size > MaxOriginalSize) {
        if (UseStream)
            Lzrw1Run::fail(QStringLiteral(
                "Lzrw1 compression : Failed to obtain the size of the input stream !"));
        Lzrw1Run::fail(QStringLiteral("Lzrw1 compression : Failed to obtain the size of : ") +
                       InputFile);
    }
    if (!UseStream) openInputOrFail(run);
    run.createOutput();

    uint8_t header[HeaderSize];
    putLe32(header, fast ? SignatureFast : SignatureGood);
    putLe32(header + 4, static_cast<quint32>(size));
    run.write(header, HeaderSize);

    if (fast) {
        uint8_t* in = run.inBuffer();
        uint8_t* out = run.outBuffer();
        for (;;) {
            const qint64 got = run.readUpTo(in, TLZR::PieceSize);
            if (got < 0) run.failRead("LZRW1/KH");
            run.bytesIn += static_cast<quint64>(got);
            const int len = lzr_.compressPiece(in, static_cast<int>(got), out);
            const uint8_t prefix[2] = {static_cast<uint8_t>(len), static_cast<uint8_t>(len >> 8)};
            run.write(prefix, 2);
            run.write(out, len);
            if (OnProgress) show(progress("LZRW1/KH", run.bytesIn, run.bytesOut));
            if (got < TLZR::PieceSize) break;
        }
    } else {
        RunSource source(run, *this, true);
        RunSink sink(run, *this, false);
        lzh_.encode(source, sink);
    }
    // The header promised `size` bytes; an input that changed under us
    // would give a file that cannot be read back.
    if (run.bytesIn != static_cast<quint64>(size)) run.failRead(fast ? "LZRW1/KH" : "LZH");
    run.commit();

    const QString pct = percent(run.bytesOut, run.bytesIn);
    if (UseStream)
        show(QStringLiteral("Lzrw1 : inputstream successfully compressed at ") + pct + '%');
    else
        show(InputFile + QStringLiteral(" : Lzrw1 : successfully compressed at ") + pct + '%');
    return static_cast<qint64>(run.bytesOut);
}

qint64 Tlzrw1::Decompress() {
    Lzrw1Run run(*this);
    allocateOrFail(run);
    openInputOrFail(run);
    run.createOutput();

    uint8_t header[HeaderSize];
    run.readExact(header, 4);
    const quint32 signature = getLe32(header);
    if (signature != SignatureFast && signature != SignatureGood) {
        if (UseStream)
            Lzrw1Run::fail(
                QStringLiteral("Lzrw1 decompression : input stream contains no valid header !"));
        Lzrw1Run::fail(InputFile +
                       QStringLiteral(" : Lzrw1 decompression : this file has no valid header !"));
    }
    run.readExact(header + 4, 4);
    const quint64 size = getLe32(header + 4);
    run.bytesIn = HeaderSize;

    if (signature == SignatureFast) {
        const auto mismatch = QStringLiteral(
            "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
        uint8_t* in = run.inBuffer();
        uint8_t* out = run.outBuffer();
        for (;;) {
            uint8_t prefix[2];
            run.readExact(prefix, 2);
            const int len = prefix[0] | prefix[1] << 8;
            // A longer piece cannot come from the coder and would not fit.
            if (len > TLZR::MaxEncoded) Lzrw1Run::fail(mismatch);
            run.readExact(in, len);
            run.bytesIn += 2 + static_cast<quint64>(len);
            const int n = TLZR::decompressPiece(in, len, out);
            if (n < 0) Lzrw1Run::fail(mismatch);
            run.write(out, n);
            if (OnProgress) show(progress("LZRW1/KH", run.bytesIn, run.bytesOut));
            // More than promised can only grow further: stop at once.
            if (n != TLZR::PieceSize || run.bytesOut > size) break;
        }
        if (run.bytesOut != size) Lzrw1Run::fail(mismatch);
    } else {
        RunSource source(run, *this, false);
        RunSink sink(run, *this, true);
        lzh_.decode(source, sink, size);
        if (run.bytesOut != size)
            Lzrw1Run::fail(QStringLiteral(
                "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !"));
    }
    run.commit();

    const QString pct = percent(run.bytesOut, run.bytesIn);
    if (UseStream)
        show(QStringLiteral("LZrw1 : inputstream successfully decompressed at ") + pct + '%');
    else
        show(InputFile + QStringLiteral(" : Lzrw1 : successfully decompressed at ") + pct + '%');
    return static_cast<qint64>(run.bytesOut);
}

TCompressMode Tlzrw1::Advise() {
    if (UseStream)
        show(QStringLiteral("Guessing the best compression mode for the inputstream"));
    else
        show(QStringLiteral("Guessing the best compression mode for : ") + InputFile);

    Lzrw1Run run(*this);
    if (!run.allocateBuffers())
        Lzrw1Run::fail(QStringLiteral("Lzrw1 advise : Error getting I/O buffers"));
    if (UseStream && !run.openInput())
        Lzrw1Run::fail(QStringLiteral("Lzrw1 edvise : can not initialize the input stream!"));
    const qint64 size = run.inputSize();
    if (size < 0) {
        if (UseStream)
            Lzrw1Run::fail(QStringLiteral("Lzrw1 advise : can not get size of inputstream !"));
        Lzrw1Run::fail(QStringLiteral("Lzrw1 advise : can not get the size of : ") + InputFile);
    }
    if (!UseStream && !run.openInput())
        Lzrw1Run::fail(QStringLiteral("Lzrw1 advise : can open input file : ") + InputFile);

    if (size <= SmallInput) {
        CompressMode = TCompressMode::Good;
        show(QStringLiteral("Lzrw1 recommends GOOD compression :  small file !!"));
        return TCompressMode::Good;
    }

    // Two pieces, from a third and from two thirds into the input.
    const qint64 piece = TLZR::PieceSize;
    const qint64 offsets[2] = {size / 3 / piece * piece, size * 2 / 3 / piece * piece};
    quint64 encoded = 0;
    quint64 sampled = 0;
    for (qint64 offset : offsets) {
        if (!run.seekInput(offset)) {
            run.rewindStream();
            if (UseStream)
                Lzrw1Run::fail(
                    QStringLiteral("Lzrw1 edvise : can not initialize the input stream!"));
            Lzrw1Run::fail(QStringLiteral("Lzrw1 advise : read error on input file : ") +
                           InputFile);
        }
        const qint64 got = run.readUpTo(run.inBuffer(), piece);
        if (got < 0) {
            run.rewindStream();
            if (UseStream)
                Lzrw1Run::fail(QStringLiteral("Lzrw1 advise : input stream read error !"));
            Lzrw1Run::fail(QStringLiteral("Lzrw1 advise : read error on input file : ") +
                           InputFile);
        }
        sampled += static_cast<quint64>(got);
        encoded += static_cast<quint64>(
            lzr_.compressPiece(run.inBuffer(), static_cast<int>(got), run.outBuffer()));
    }
    run.rewindStream();

    const QString pct = percent(encoded, sampled);
    if (encoded < sampled * static_cast<quint64>(qMax(Threshold, 0)) / 100) {
        show(QStringLiteral("Lzrw1 recommends FAST compression : ") + pct + QStringLiteral("%."));
        return TCompressMode::Fast;
    }
    show(QStringLiteral("Lzrw1 recommends GOOD compression : ") + pct + QStringLiteral("%."));
    return TCompressMode::Good;
}

QByteArray Tlzrw1::compressData(const QByteArray& data, TCompressMode mode) {
    // Unbuffered: the run reads whole pieces, and a device buffer would
    // only copy them once more.
    QBuffer in;
    in.setData(data);
    in.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    QBuffer out;
    out.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // Room for incompressible data up front: growing piece by piece would
    // move the output again and again.
    out.buffer().reserve(data.size() + data.size() / 8 + 64);
    Tlzrw1 z;
    z.CompressMode = mode;
    z.setStreams(&in, &out);
    z.Compress();
    return out.data();
}

QByteArray Tlzrw1::decompressData(const QByteArray& data) {
    // Unbuffered: the run reads whole pieces, and a device buffer would
    // only copy them once more.
    QBuffer in;
    in.setData(data);
    in.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    QBuffer out;
    out.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (data.size() >= HeaderSize) {
        // The size the header promises, within what the body could give.
        const qint64 promised = getLe32(reinterpret_cast<const uint8_t*>(data.constData()) + 4);
        out.buffer().reserve(std::min<qint64>(promised, 64 * qint64{data.size()} + 65536));
    }
    Tlzrw1 z;
    z.setStreams(&in, &out);
    z.Decompress();
    return out.data();
}
