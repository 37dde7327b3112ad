// Prints compress and decompress speed (MB/s) and the ratio of both methods
// on a text corpus and on random data, and the fast engine's speed alone. Figures only; nothing is
// asserted.
//   kelvoa-bench-codec [corpus-file] [megabytes]
// Without a corpus file the licence texts of the system are used.
#include "lzrw1.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

namespace {

QByteArray licenceTexts() {
    QByteArray all;
    const QDir dir(QStringLiteral("/usr/share/common-licenses"));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly)) all += f.readAll();
    }
    return all;
}

QByteArray repeatTo(const QByteArray& seed, qint64 size) {
    QByteArray out;
    if (seed.isEmpty()) return out;
    while (out.size() < size)
        out += seed;
    out.truncate(size);
    return out;
}

QByteArray randomData(qint64 size) {
    std::mt19937 rng(1);
    QByteArray b(size, Qt::Uninitialized);
    for (auto& c : b)
        c = static_cast<char>(rng());
    return b;
}

// Best of a few runs, in MB/s of uncompressed data.
template <class F> double speed(qint64 bytes, F&& work) {
    double best = 0;
    QElapsedTimer timer;
    for (int i = 0; i < 5; ++i) {
        timer.start();
        work();
        const double s = timer.nsecsElapsed() / 1e9;
        best = std::max(best, bytes / 1e6 / s);
    }
    return best;
}

void measure(const char* name, const QByteArray& data) {
    for (auto [mode, label] :
         {std::pair{TCompressMode::Fast, "fast"}, std::pair{TCompressMode::Good, "good"}}) {
        QByteArray packed;
        const double c = speed(data.size(), [&] { packed = Tlzrw1::compressData(data, mode); });
        QByteArray back;
        const double d = speed(data.size(), [&] { back = Tlzrw1::decompressData(packed); });
        std::printf(
            "%-7s %-4s  %7.1f MB  compress %8.1f MB/s  decompress %8.1f MB/s  ratio %5.1f%%%s\n",
            name, label, data.size() / 1e6, c, d, 100.0 * packed.size() / data.size(),
            back == data ? "" : "  ROUND TRIP FAILED");
    }
}

// The fast engine alone, piece by piece in memory, without the container.
void measureEngine(const char* name, const QByteArray& data) {
    const auto* src = reinterpret_cast<const uint8_t*>(data.constData());
    const qint64 n = data.size();
    const qint64 pieces = n / TLZR::PieceSize + 1;
    std::vector<uint8_t> packed(static_cast<size_t>(pieces) * Tlzrw1::IoBufferSize);
    std::vector<int> lengths(static_cast<size_t>(pieces));
    std::vector<uint8_t> out(Tlzrw1::IoBufferSize);
    TLZR lzr;
    const double c = speed(n, [&] {
        for (qint64 i = 0; i < pieces; ++i) {
            const qint64 at = i * TLZR::PieceSize;
            const int len = static_cast<int>(std::min<qint64>(TLZR::PieceSize, n - at));
            lengths[i] = lzr.compressPiece(src + at, len, &packed[i * Tlzrw1::IoBufferSize]);
        }
    });
    bool ok = true;
    const double d = speed(n, [&] {
        for (qint64 i = 0; i < pieces; ++i) {
            const qint64 at = i * TLZR::PieceSize;
            const int got =
                TLZR::decompressPiece(&packed[i * Tlzrw1::IoBufferSize], lengths[i], out.data());
            ok = ok && got == std::min<qint64>(TLZR::PieceSize, n - at) &&
                 std::memcmp(out.data(), src + at, static_cast<size_t>(got)) == 0;
        }
    });
    std::printf("%-7s %-4s  %7.1f MB  compress %8.1f MB/s  decompress %8.1f MB/s%s\n", name, "eng",
                n / 1e6, c, d, ok ? "" : "  ROUND TRIP FAILED");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QByteArray corpus;
    if (args.size() > 1) {
        QFile f(args[1]);
        if (f.open(QIODevice::ReadOnly)) corpus = f.readAll();
    } else {
        corpus = licenceTexts();
    }
    const qint64 size = (args.size() > 2 ? args[2].toLongLong() : 8) * 1000 * 1000;
    if (corpus.isEmpty()) {
        std::fprintf(stderr, "no corpus\n");
        return 1;
    }
    std::printf("corpus: %lld distinct bytes repeated to %lld bytes\n",
                static_cast<long long>(corpus.size()), static_cast<long long>(size));
    const QByteArray text = repeatTo(corpus, size);
    const QByteArray noise = randomData(size);
    measureEngine("text", text);
    measureEngine("random", noise);
    measure("text", text);
    measure("random", noise);
    return 0;
}
