// Prints compress and decompress speed (MB/s) and the ratio of both methods
// on a text corpus and on random data. Figures only; nothing is asserted.
//   kelvoa-bench-codec [corpus-file] [megabytes]
// Without a corpus file the licence texts of the system are used.
#include "lzrw1.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <random>

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
    for (int i = 0; i < 3; ++i) {
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
    measure("text", repeatTo(corpus, size));
    measure("random", randomData(size));
    return 0;
}
