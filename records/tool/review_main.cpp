// kelvoa-review RECORD: every move of a game record rated by the strongest
// level, for scripts. One line per turn in which a chip could move, then one
// line per seat, then one line per throw with its luck and one per seat with
// the luck in all; a damaged record is named on stderr with exit status 1.
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <thread>

#include "game_review.h"
#include "levels.h"
#include "perfect_table.h"
#include "record_review.h"

namespace {
int usage() {
    std::fputs("usage: kelvoa-review [--search-only] RECORD\n"
               "Rates every move of a Kelvoa game record as the Expert level sees it,\n"
               "exactly where the end-game table reaches (solved and cached on first use).\n",
               stderr);
    return 2;
}

// One decimal with its sign; a luck that rounds to nothing is "+0.0".
QString signedPoints(double v) {
    if (std::abs(v) < 0.05) v = 0;
    return QString::asprintf("%+.1f", v);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool searchOnly = args.removeAll(QStringLiteral("--search-only")) > 0;
    if (args.size() != 1 || args[0].startsWith(QLatin1String("-"))) return usage();
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kelvoa-review: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    const QString text = QString::fromUtf8(file.read(4 << 20));
    const board::ReadRecord read = board::readRecord(text);
    if (board::damaged(read, text)) {
        std::fprintf(stderr, "kelvoa-review: %s: line %d stopped the record: %s\n",
                     qPrintable(args[0]), read.stoppedAtLine, qPrintable(read.problem));
        return 1;
    }
    // The exact table wherever it reaches: this user's cached one, else
    // solved here once (about a minute) and cached for the next time.
    std::shared_ptr<const solver::Table> table;
    if (!searchOnly) {
        const std::string path = levels::tableCachePath();
        bool told = false;
        table = levels::obtainPerfectTable(path, solver::DefaultMinHomeSum, nullptr,
                                           [&told, &path](const solver::Progress&) {
                                               if (told) return;
                                               told = true;
                                               std::fprintf(stderr,
                                                            "kelvoa-review: solving the exact "
                                                            "table once, for %s\n",
                                                            path.c_str());
                                           });
    }
    const int threads = int(std::max(1u, std::min(4u, std::thread::hardware_concurrency())));

    QTextStream out(stdout);
    int before = 0; // turn lines of the games already reviewed
    for (const board::RecordedGame& game : read.games) {
        const review::Review r = review::reviewGame(board::reviewTurns(game), table.get(), threads);
        for (const review::Rating& m : r.ratings)
            out << before + m.turn + 1 << ' ' << m.seat << ' ' << m.points << " played "
                << m.playedFrom << '-' << m.playedTo << " best " << m.bestFrom << '-' << m.bestTo
                << " loss " << QString::number(m.loss(), 'f', 1) << '\n';
        for (int seat = 1; seat <= rules::SeatCount; ++seat) {
            const review::SeatSummary& s = r.seats[unsigned(seat - 1)];
            out << "seat " << seat << ": accuracy " << QString::number(s.accuracy(), 'f', 1)
                << "%, mistakes " << s.mistakes << ", blunders " << s.blunders << '\n';
        }
        // Then the luck of every throw, also those that left no choice or no move.
        for (std::size_t i = 0; i < r.luck.size(); ++i)
            out << before + int(i) + 1 << ' ' << game.turns[i].seat << ' ' << game.turns[i].points
                << " luck " << signedPoints(r.luck[i]) << '\n';
        for (int seat = 1; seat <= rules::SeatCount; ++seat) {
            const review::SeatSummary& s = r.seats[unsigned(seat - 1)];
            out << "seat " << seat << ": luck " << signedPoints(s.luck) << " over " << s.throws
                << " throws\n";
        }
        before += int(game.turns.size());
    }
    return 0;
}
