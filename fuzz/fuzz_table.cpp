// The exact table's cache file as the program finds it on disk: whatever it
// holds, load() either refuses it with a reason or gives a table of exactly
// the size its coverage asks for, which the levels then play from and which
// saves back to the same bytes. The program's own coverage (41 MB) is asked
// for, unless the header names one of the small ones, whose whole files the
// fuzzer can forge (the seeds are such files).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "levels.h"
#include "solver.h"

namespace {
QTemporaryDir* folder = nullptr;

// The offset of the coverage in the header (after the magic and the version).
constexpr size_t CoverAt = 12;
constexpr int SmallestCover = 10;
constexpr int Header = 56;

int coverAsked(const uint8_t* data, size_t size) {
    if (size < CoverAt + 4) return solver::DefaultMinHomeSum;
    std::uint32_t cover;
    std::memcpy(&cover, data + CoverAt, sizeof cover);
    return cover >= SmallestCover && cover <= 12 ? int(cover) : solver::DefaultMinHomeSum;
}

QByteArray readAll(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = QDir(folder->path()).filePath("perfect-table.kvt").toStdString();
    {
        QFile f(QString::fromStdString(path));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const int cover = coverAsked(data, size);
    solver::LoadError error = solver::LoadError::None;
    std::shared_ptr<const solver::Table> table = solver::load(path, &error, cover);
    if (!table) {
        if (error == solver::LoadError::None) std::abort(); // every refusal has a reason
        return 0;
    }
    if (error != solver::LoadError::None || table->layout().minHomeSum() != cover ||
        table->values().size() != table->layout().size())
        std::abort();

    // What was loaded saves back byte for byte (the spare header field aside).
    const std::string again = path + ".again";
    if (!solver::save(*table, again)) std::abort();
    QByteArray written = readAll(again), read = readAll(path);
    if (written.size() != read.size() || written.size() < Header) std::abort();
    for (QByteArray* b : {&written, &read})
        b->replace(Header - 4, 4, QByteArray(4, '\0'));
    if (written != read) std::abort();

    // The levels play from it where it covers the game: every chance they
    // answer is a chance.
    const std::uint64_t count = table->layout().size();
    for (std::uint64_t i = 0; i < 4 && count > 0; ++i) {
        const rules::Position pos = table->layout().position((size * 7919 + i * 104729) % count);
        for (int points = 1; points <= rules::MaxPoints; ++points) {
            const double c = levels::chance(pos, 1, 1, points, table.get());
            if (!(c >= 0 && c <= 1)) std::abort();
            (void)levels::choose(levels::Level::Expert, pos, 1, points, table.get());
        }
    }
    return 0;
}
