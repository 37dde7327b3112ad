#include "user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings.h"
#include "tally_file.h"

namespace userfiles {
namespace {
bool overridden() {
    return !qEnvironmentVariable(Settings::ConfigDirVariable).isEmpty();
}

QString perUser(QStandardPaths::StandardLocation where) {
    const QString folder = QStandardPaths::writableLocation(where);
    QDir().mkpath(folder);
    return folder;
}
} // namespace

bool installedCopy(const QString& programFolder) {
    const QDir bin(programFolder);
    if (bin.dirName() != QLatin1String("games") && bin.dirName() != QLatin1String("bin")) return false;
    return QFileInfo::exists(
        bin.filePath(QStringLiteral("../share/applications/") + QLatin1String(DesktopEntry)));
}

QString settingsFolder(const QString& programFolder) {
    if (overridden() || !installedCopy(programFolder)) return {};
    return perUser(QStandardPaths::AppConfigLocation);
}

QString tallyPath(const QString& programFolder) {
    if (overridden() || !installedCopy(programFolder)) return tallyfile::defaultPath();
    return QDir(perUser(QStandardPaths::AppDataLocation))
        .filePath(QLatin1String(tallyfile::FileName));
}

} // namespace userfiles
