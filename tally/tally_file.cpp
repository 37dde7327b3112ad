#include "tally_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>

#include "lzrw1.h"

namespace tallyfile {

QString defaultPath() {
    const QString overridden = qEnvironmentVariable("KELVOA_CONFIG_DIR");
    if (!overridden.isEmpty()) {
        QDir().mkpath(overridden);
        return QDir(overridden).filePath(QLatin1String(FileName));
    }
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(FileName));
    if (QFileInfo(QCoreApplication::applicationDirPath()).isWritable()) return beside;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(user);
    return QDir(user).filePath(QLatin1String(FileName));
}

QString load(const QString& path, Tally& tally) {
    tally.grid.reset();
    if (!QFileInfo::exists(path)) return {};
    // The plain text goes through a private temporary file, never a shared
    // name in the current folder.
    QTemporaryFile text;
    if (!text.open()) return QStringLiteral("Cannot create a temporary file");
    text.close();
    try {
        Tlzrw1 codec;
        codec.CompressMode = TCompressMode::Fast;
        codec.InputFile = path;
        codec.OutputFile = text.fileName();
        codec.Decompress();
    } catch (const ELzrw1Exception& e) {
        return e.text();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    }
    if (!text.open()) return QStringLiteral("Cannot read the tally");
    QString error;
    std::optional<TallyGrid> grid = TallyGrid::fromText(text.readAll(), &error);
    if (!grid) return error;
    tally.grid = *grid;
    tally.startSession();
    return {};
}

bool save(const QString& path, const Tally& tally) {
    QTemporaryFile text;
    if (!text.open() || text.write(tally.grid.toText()) < 0 || !text.flush()) return false;
    text.close();
    const QString fresh = path + QStringLiteral(".new");
    try {
        Tlzrw1 codec;
        codec.CompressMode = TCompressMode::Fast;
        codec.InputFile = text.fileName();
        codec.OutputFile = fresh;
        codec.Compress();
    } catch (const std::exception&) {
        QFile::remove(fresh); // the codec removes its output; this is belt and braces
        return false;
    }
    // rename() replaces the old file in one step.
    return std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) ==
           0;
}

} // namespace tallyfile
