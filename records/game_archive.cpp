#include "game_archive.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace board {

namespace {
// Only files this folder's own naming made are counted and pruned: a file the
// player put there is left alone.
const QRegularExpression& keptPattern() {
    static const QRegularExpression p(QStringLiteral("^\\d{8}-\\d{6}(-\\d+)?-.*\\.txt$"));
    return p;
}

QString safeName(const QString& name) {
    QString out;
    for (QChar c : name.trimmed().left(32))
        out += c.isLetterOrNumber() || c == QLatin1Char('-') ? c : QLatin1Char('_');
    return out.isEmpty() ? QStringLiteral("nobody") : out;
}
} // namespace

QString gamesFolder(const QString& tallyPath) {
    return QFileInfo(tallyPath).absoluteDir().filePath(QStringLiteral("Games"));
}

QString keptFileName(const RecordedGame& game, const QDateTime& when) {
    return QStringLiteral("%1-%2-%3.txt")
        .arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss")), safeName(game.names[0]),
             safeName(game.names[1]));
}

QString recordText(const RecordedGame& game) {
    QStringList out{GameRecord::Header};
    out << GameRecord::lines(game);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString keepGame(const QString& folder, const RecordedGame& game, const QDateTime& when) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) return {};
    QString name = keptFileName(game, when);
    // Two games ended in the same second keep both.
    for (int n = 2; dir.exists(name) && n < 100; ++n)
        name = keptFileName(game, when).insert(15, QStringLiteral("-%1").arg(n));
    const QString path = dir.filePath(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return {};
    file.write(recordText(game).toUtf8());
    if (!file.commit()) return {};
    const QStringList kept = keptGames(folder);
    for (qsizetype i = KeptGames; i < kept.size(); ++i)
        QFile::remove(kept[i]);
    return path;
}

QStringList keptGames(const QString& folder) {
    // The names begin with the date and time, so their order is the games'.
    QStringList names = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    names = names.filter(keptPattern());
    QStringList out;
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        out << QDir(folder).filePath(*it);
    return out;
}

DiceStats keptDice(const QString& folder, int* games) {
    DiceStats stats;
    int read = 0;
    for (const QString& path : keptGames(folder)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        // A damaged record counts as far as it reads.
        for (const RecordedGame& game : readRecord(QString::fromUtf8(file.read(4 << 20))).games) {
            ++read;
            for (const TurnRecord& t : game.turns)
                stats.add(t.seat, t.points);
        }
    }
    if (games) *games = read;
    return stats;
}

} // namespace board
