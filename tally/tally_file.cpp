#include "tally_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

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
    if (!text.open()) return QCoreApplication::translate("tally", "Cannot create a temporary file");
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
    if (!text.open()) return QCoreApplication::translate("tally", "Cannot read the tally");
    QString error;
    tally.grid = TallyGrid::fromText(text.readAll(), &error);
    tally.startSession();
    return error;
}

bool save(const QString& path, const Tally& tally) {
    // Compressed in memory and written beside the old file, which is replaced
    // in one step only when everything was written.
    QByteArray packed;
    try {
        packed = Tlzrw1::compressData(tally.grid.toText(), TCompressMode::Fast);
    } catch (const std::exception&) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(packed) != packed.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tallyfile
